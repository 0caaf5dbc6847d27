#pragma once

#include "document/recordreader.h"
#include "document/recordwriter.h"
#include "reports/report.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

// A data block that cannot be written as it stands; the message names the text or object.
class BuildRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The two directions of the data block walk (appdatalayout.h). Besides the value slots of
// the project file, the block has KeyStr texts, picture files (a Long holding the length
// minus one, then the bytes) and the report records, which keep the plain Str.
class BlockWriteWalker {
public:
    static constexpr bool kReading = false;
    // `writer` holds the runtime image from position 1 and has its cursor at the block start.
    explicit BlockWriteWalker(RecordWriter& writer, std::function<void(int)> sectionDone = {});

    void setContext(std::string context) { context_ = std::move(context); }
    void sectionDone(int section);

    void byte(const uint8_t& v) { writer_.putByte(v); }
    void integer(const int16_t& v) { writer_.putInteger(v); }
    void boolean(const bool& v) { writer_.putBoolean(v); }
    void long32(const int32_t& v) { writer_.putLong(v); }
    void single(const float& v) { writer_.putSingle(v); }
    void fixedInteger(int16_t v) { writer_.putInteger(v); }
    void count(const int& n, int, int, const char*) { writer_.putInteger(static_cast<int16_t>(n)); }
    void longCount(const int& n, int, const char*) { writer_.putLong(n); }
    void keyStr(const std::string& text);
    void aboutText(const std::string& text);
    void pictureFile(const std::string& name, const std::vector<uint8_t>& bytes);
    void report(const Report& report);
    bool hasMore() const { return true; }

    int64_t keyPos() const { return keyPos_; }
    // What held characters that the code page cannot hold (written as "?").
    const std::vector<std::string>& lossyTexts() const { return lossyTexts_; }

private:
    void keyStrBytes(const std::string& bytes);
    std::string encode(const std::string& text);

    RecordWriter& writer_;
    std::function<void(int)> sectionDone_;
    int64_t keyPos_;
    std::string context_;
    std::vector<std::string> lossyTexts_;
};

class BlockReadWalker {
public:
    static constexpr bool kReading = true;
    // `reader` reads the file up to the trailer, its cursor at the block start; `file` is the
    // whole file, where the key bytes come from.
    BlockReadWalker(RecordReader& reader, std::span<const uint8_t> file, CodePage codePage);

    void setContext(std::string) {}
    void sectionDone(int section);
    // Records followed the fixed sections (the field formulas and texts of section 18).
    bool extrasPresent() const { return extrasPresent_; }

    void byte(uint8_t& v) { v = reader_.getByte(); }
    void integer(int16_t& v) { v = reader_.getInteger(); }
    void boolean(bool& v) { v = reader_.getBoolean(); }
    void long32(int32_t& v) { v = reader_.getLong(); }
    void single(float& v) { v = reader_.getSingle(); }
    void fixedInteger(int16_t) { reader_.getInteger(); }
    // A count of objects between `low` and `high`.
    void count(int& n, int low, int high, const char* what);
    // A count of texts; each takes at least two bytes, so the rest of the block bounds it.
    void longCount(int& n, int high, const char* what);
    void keyStr(std::string& text);
    void aboutText(std::string& text);
    void pictureFile(std::string& name, std::vector<uint8_t>& bytes);
    void report(Report& report);
    // True while records remain before the trailer.
    bool hasMore() const { return reader_.remaining() > 0; }
    [[noreturn]] void fail(const std::string& what) const { reader_.fail(what); }

private:
    std::string keyStrBytes();

    RecordReader& reader_;
    std::span<const uint8_t> file_;
    CodePage codePage_;
    int64_t keyPos_;
    bool extrasPresent_ = false;
};

} // namespace qv
