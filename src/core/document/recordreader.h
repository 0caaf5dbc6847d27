#pragma once

#include "document/codepage.h"
#include "document/varslot.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Thrown by RecordReader when the bytes do not hold what is asked for. `offset` is the
// 0-based byte offset in the file where the bad record starts.
class RecordError : public std::runtime_error {
public:
    RecordError(const std::string& what, int64_t offset) : std::runtime_error(what), offset_(offset)
    {
    }
    int64_t offset() const { return offset_; }

private:
    int64_t offset_;
};

// Reads records at a 1-based byte cursor (`FilePos`). A value slot is read by the type tag
// found in it and converted to the type asked for; the cursor then moves 16 on, whatever the
// type. Every read is bounds-checked.
class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> bytes, CodePage codePage = CodePage::western())
        : bytes_(bytes), codePage_(std::move(codePage))
    {
    }

    int64_t filePos() const { return filePos_; }
    void setFilePos(int64_t pos) { filePos_ = pos; }
    void setCodePage(CodePage codePage) { codePage_ = std::move(codePage); }
    // Bytes from the cursor to the end of the data.
    int64_t remaining() const;

    std::string getStr();    // converted to UTF-8
    std::string getRawStr(); // the bytes as stored
    uint8_t getByte();
    int16_t getInteger();
    bool getBoolean();
    int32_t getLong();
    float getSingle();
    double getDouble();
    uint8_t getRaw1();
    std::vector<uint8_t> getBlob();
    std::vector<uint8_t> getBytes(size_t size);
    // The type tag of the slot at the cursor, without moving.
    uint16_t peekVarTag() const;

    [[noreturn]] void fail(const std::string& what) const;

private:
    struct VarValue {
        uint16_t tag;
        double number;
    };
    VarValue getVar(const char* wanted);
    void need(int64_t count, const char* what) const;
    int64_t wholeNumber(const VarValue& value, int64_t low, int64_t high, const char* wanted) const;

    std::span<const uint8_t> bytes_;
    CodePage codePage_;
    int64_t filePos_ = 1;
};

} // namespace qv
