#include "builder/datablockwalker.h"

#include "builder/aboutcharmap.h"
#include "builder/appdata.h"
#include "builder/keystr.h"
#include "document/recordio.h"
#include "reports/reportstorage.h"

#include <cstring>

namespace qv {

BlockWriteWalker::BlockWriteWalker(RecordWriter& writer, std::function<void(int)> sectionDone)
    : writer_(writer), sectionDone_(std::move(sectionDone)), keyPos_(kFirstKeyPos)
{
}

void BlockWriteWalker::sectionDone(int section)
{
    if (sectionDone_)
        sectionDone_(section);
}

void BlockWriteWalker::keyStrBytes(const std::string& bytes)
{
    keyPos_ += kKeyPosStep;
    const uint8_t key = KeyByteAt(writer_.bytes(), keyPos_);
    const auto word = KeyStrLengthWord(bytes.size(), key);
    if (!word) {
        throw BuildRefused(context_ + " holds a text of " + std::to_string(bytes.size()) +
                           " bytes, more than a built application can store (at most " +
                           std::to_string(32767 - key) + " here); shorten it and build again");
    }
    const int16_t value = *word;
    uint8_t raw[2];
    std::memcpy(raw, &value, 2);
    writer_.putBytes(raw, 2);
    writer_.putBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string BlockWriteWalker::encode(const std::string& text)
{
    bool lossy = false;
    std::string bytes = writer_.codePage().fromUtf8(text, lossy);
    if (lossy && (lossyTexts_.empty() || lossyTexts_.back() != context_))
        lossyTexts_.push_back(context_);
    return bytes;
}

void BlockWriteWalker::keyStr(const std::string& text)
{
    keyStrBytes(encode(text));
}

void BlockWriteWalker::aboutText(const std::string& text)
{
    keyStrBytes(AboutTextOut(encode(text)));
}

void BlockWriteWalker::pictureFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    keyStr(name);
    if (name.empty())
        return;
    // The length word holds the highest index of the bytes, the length minus one.
    const auto upper = static_cast<int32_t>(bytes.size()) - 1;
    uint8_t raw[4];
    std::memcpy(raw, &upper, 4);
    writer_.putBytes(raw, 4);
    writer_.putBytes(bytes.data(), bytes.size());
}

void BlockWriteWalker::report(const Report& report)
{
    WriteWalker walker(writer_);
    walker.setContext(context_);
    try {
        saveReport(walker, report);
    } catch (const SaveRefused& refused) {
        throw BuildRefused(refused.what());
    }
}

BlockReadWalker::BlockReadWalker(RecordReader& reader, std::span<const uint8_t> file,
                                 CodePage codePage)
    : reader_(reader), file_(file), codePage_(std::move(codePage)), keyPos_(kFirstKeyPos)
{
}

void BlockReadWalker::sectionDone(int section)
{
    if (section == kFieldExtrasSection - 1)
        extrasPresent_ = reader_.remaining() > 0;
}

void BlockReadWalker::count(int& n, int low, int high, const char* what)
{
    const int16_t value = reader_.getInteger();
    if (value < low || value > high)
        reader_.fail(std::string("the count of ") + what + " is " + std::to_string(value) +
                     ", outside " + std::to_string(low) + ".." + std::to_string(high));
    n = value;
}

void BlockReadWalker::longCount(int& n, int high, const char* what)
{
    const int32_t value = reader_.getLong();
    if (value < 0 || value > high || value > reader_.remaining() / 2)
        reader_.fail(std::string("the count of ") + what + " is " + std::to_string(value) +
                     ", more than the data can hold");
    n = value;
}

std::string BlockReadWalker::keyStrBytes()
{
    keyPos_ += kKeyPosStep;
    const uint8_t key = KeyByteAt(file_, keyPos_);
    const std::vector<uint8_t> word = reader_.getBytes(2);
    int16_t value = 0;
    std::memcpy(&value, word.data(), 2);
    const int length = value - key;
    if (length < 0)
        reader_.fail("a text length is below its key byte");
    const std::vector<uint8_t> bytes = reader_.getBytes(static_cast<size_t>(length));
    return std::string(bytes.begin(), bytes.end());
}

void BlockReadWalker::keyStr(std::string& text)
{
    text = codePage_.toUtf8(keyStrBytes());
}

void BlockReadWalker::aboutText(std::string& text)
{
    text = codePage_.toUtf8(AboutTextIn(keyStrBytes()));
}

void BlockReadWalker::pictureFile(std::string& name, std::vector<uint8_t>& bytes)
{
    keyStr(name);
    bytes.clear();
    if (name.empty())
        return;
    const std::vector<uint8_t> word = reader_.getBytes(4);
    int32_t upper = 0;
    std::memcpy(&upper, word.data(), 4);
    if (upper < -1 || upper + 1 > reader_.remaining())
        reader_.fail("the picture file " + name + " is longer than the data that follows");
    bytes = reader_.getBytes(static_cast<size_t>(upper + 1));
}

void BlockReadWalker::report(Report& report)
{
    report = loadReport(reader_);
}

} // namespace qv
