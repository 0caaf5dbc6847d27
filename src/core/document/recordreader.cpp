#include "document/recordreader.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace qv {

namespace {
template <class T> T load(const uint8_t* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}
} // namespace

int64_t RecordReader::remaining() const
{
    return static_cast<int64_t>(bytes_.size()) - (filePos_ - 1);
}

void RecordReader::fail(const std::string& what) const
{
    throw RecordError(what, filePos_ - 1);
}

void RecordReader::need(int64_t count, const char* what) const
{
    if (filePos_ < 1 || count < 0 || remaining() < count)
        fail(std::string("the file ends inside ") + what);
}

std::string RecordReader::getRawStr()
{
    need(2, "a text length");
    const auto length = load<int16_t>(bytes_.data() + filePos_ - 1);
    if (length < 0)
        fail("a text has the negative length " + std::to_string(length));
    need(2 + length, "a text");
    std::string text(reinterpret_cast<const char*>(bytes_.data() + filePos_ + 1),
                     static_cast<size_t>(length));
    filePos_ += 2 + length;
    return text;
}

std::string RecordReader::getStr()
{
    return codePage_.toUtf8(getRawStr());
}

uint16_t RecordReader::peekVarTag() const
{
    need(2, "a value");
    return load<uint16_t>(bytes_.data() + filePos_ - 1);
}

RecordReader::VarValue RecordReader::getVar(const char* wanted)
{
    const uint16_t tag = peekVarTag();
    const int size = varValueSize(tag);
    if (size < 0)
        fail(std::string("unknown value type ") + std::to_string(tag) + " where " + wanted +
             " was expected");
    need(2 + size, "a value");
    const uint8_t* at = bytes_.data() + filePos_ + 1;
    double number = 0;
    switch (static_cast<VarType>(tag)) {
    case VarType::Empty:
    case VarType::Null: number = 0; break;
    case VarType::Byte: number = *at; break;
    case VarType::Integer:
    case VarType::Boolean: number = load<int16_t>(at); break;
    case VarType::Long: number = load<int32_t>(at); break;
    case VarType::Single: number = load<float>(at); break;
    case VarType::Double: number = load<double>(at); break;
    }
    // A slot at the very end of a file is written without its padding.
    filePos_ += kVarSlotSize;
    return {tag, number};
}

int64_t RecordReader::wholeNumber(const VarValue& value, int64_t low, int64_t high,
                                  const char* wanted) const
{
    if (!std::isfinite(value.number))
        throw RecordError(std::string("a value that is not a number where ") + wanted +
                              " was expected",
                          filePos_ - 1 - kVarSlotSize);
    // Whole-number conversion of a fraction rounds half to even.
    const double rounded = std::nearbyint(value.number);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high))
        throw RecordError(std::string("the value ") + std::to_string(value.number) +
                              " does not fit " + wanted,
                          filePos_ - 1 - kVarSlotSize);
    return static_cast<int64_t>(rounded);
}

uint8_t RecordReader::getByte()
{
    return static_cast<uint8_t>(wholeNumber(getVar("a byte"), 0, 255, "a byte"));
}

int16_t RecordReader::getInteger()
{
    return static_cast<int16_t>(wholeNumber(getVar("an integer"), -32768, 32767, "an integer"));
}

int32_t RecordReader::getLong()
{
    return static_cast<int32_t>(wholeNumber(getVar("a long"), std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max(), "a long"));
}

bool RecordReader::getBoolean()
{
    return getVar("a boolean").number != 0;
}

float RecordReader::getSingle()
{
    const VarValue value = getVar("a single");
    return static_cast<float>(value.number);
}

double RecordReader::getDouble()
{
    return getVar("a double").number;
}

uint8_t RecordReader::getRaw1()
{
    need(1, "a byte");
    return bytes_[static_cast<size_t>(filePos_++ - 1)];
}

std::vector<uint8_t> RecordReader::getBytes(size_t size)
{
    need(static_cast<int64_t>(size), "a byte block");
    const uint8_t* at = bytes_.data() + filePos_ - 1;
    std::vector<uint8_t> result(at, at + size);
    filePos_ += static_cast<int64_t>(size);
    return result;
}

std::vector<uint8_t> RecordReader::getBlob()
{
    need(4, "a block length");
    const auto length = load<int32_t>(bytes_.data() + filePos_ - 1);
    if (length < 0)
        fail("a block has the negative length " + std::to_string(length));
    need(4 + static_cast<int64_t>(length), "a block");
    filePos_ += 4;
    return getBytes(static_cast<size_t>(length));
}

} // namespace qv
