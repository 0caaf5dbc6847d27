#include "document/recordwriter.h"

#include <bit>
#include <cstring>
#include <limits>

namespace qv {

namespace {
static_assert(std::endian::native == std::endian::little,
              "the record encodings are little-endian and written from memory as they are");
}

void RecordWriter::writeAt(int64_t pos, const void* data, size_t size)
{
    const auto start = static_cast<size_t>(pos - 1);
    if (bytes_.size() < start + size)
        bytes_.resize(start + size, 0);
    if (size > 0)
        std::memcpy(bytes_.data() + start, data, size);
}

bool RecordWriter::putStr(std::string_view text)
{
    bool lossy = false;
    const std::string bytes = codePage_.fromUtf8(text, lossy);
    if (bytes.size() > static_cast<size_t>(kMaxStrLength))
        return false;
    lostCharacters_ = lostCharacters_ || lossy;
    return putRawStr(bytes);
}

bool RecordWriter::putRawStr(std::string_view bytes)
{
    if (bytes.size() > static_cast<size_t>(kMaxStrLength))
        return false;
    const auto length = static_cast<int16_t>(bytes.size());
    writeAt(filePos_, &length, 2);
    writeAt(filePos_ + 2, bytes.data(), bytes.size());
    filePos_ += 2 + static_cast<int64_t>(bytes.size());
    return true;
}

void RecordWriter::putVar(VarType type, const void* value, size_t size)
{
    const auto tag = static_cast<uint16_t>(type);
    writeAt(filePos_, &tag, 2);
    writeAt(filePos_ + 2, value, size);
    filePos_ += kVarSlotSize;
}

void RecordWriter::putByte(uint8_t value)
{
    putVar(VarType::Byte, &value, 1);
}
void RecordWriter::putInteger(int16_t value)
{
    putVar(VarType::Integer, &value, 2);
}
void RecordWriter::putLong(int32_t value)
{
    putVar(VarType::Long, &value, 4);
}
void RecordWriter::putSingle(float value)
{
    putVar(VarType::Single, &value, 4);
}
void RecordWriter::putDouble(double value)
{
    putVar(VarType::Double, &value, 8);
}

void RecordWriter::putBoolean(bool value)
{
    const int16_t stored = value ? -1 : 0;
    putVar(VarType::Boolean, &stored, 2);
}

void RecordWriter::putRaw1(uint8_t value)
{
    writeAt(filePos_, &value, 1);
    filePos_ += 1;
}

void RecordWriter::putBytes(const uint8_t* data, size_t size)
{
    writeAt(filePos_, data, size);
    filePos_ += static_cast<int64_t>(size);
}

bool RecordWriter::putBlob(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        return false;
    const auto length = static_cast<int32_t>(size);
    writeAt(filePos_, &length, 4);
    filePos_ += 4;
    putBytes(data, size);
    return true;
}

} // namespace qv
