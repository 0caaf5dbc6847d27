#pragma once

#include "document/codepage.h"
#include "document/varslot.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Writes records at a 1-based byte cursor (`FilePos`) into a growing byte buffer. A value
// slot writes its tag and value and moves the cursor 16 on; the gap stays zero. The buffer
// ends at the last byte written, as a file written this way does.
class RecordWriter {
public:
    explicit RecordWriter(CodePage codePage = CodePage::western()) : codePage_(std::move(codePage))
    {
    }

    int64_t filePos() const { return filePos_; }
    void setFilePos(int64_t pos) { filePos_ = pos; }
    void setCodePage(CodePage codePage) { codePage_ = std::move(codePage); }
    const CodePage& codePage() const { return codePage_; }

    // Str: 2-byte length, then the bytes. `text` is UTF-8 and is converted to the code page.
    // Returns false (writing nothing) when the converted text passes 32767 bytes.
    bool putStr(std::string_view text);
    // Str of bytes already in the code page.
    bool putRawStr(std::string_view bytes);
    void putByte(uint8_t value);
    void putInteger(int16_t value);
    void putBoolean(bool value);
    void putLong(int32_t value);
    void putSingle(float value);
    void putDouble(double value);
    void putRaw1(uint8_t value);
    // Blob: 4-byte length, then the bytes. Returns false (writing nothing) when the length
    // does not fit its 32-bit signed word.
    [[nodiscard]] bool putBlob(const uint8_t* data, size_t size);
    void putBytes(const uint8_t* data, size_t size);

    // Characters that the code page could not hold were written as "?".
    bool lostCharacters() const { return lostCharacters_; }
    void clearLostCharacters() { lostCharacters_ = false; }

    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> takeBytes() { return std::move(bytes_); }

private:
    void writeAt(int64_t pos, const void* data, size_t size);
    void putVar(VarType type, const void* value, size_t size);

    CodePage codePage_;
    std::vector<uint8_t> bytes_;
    int64_t filePos_ = 1;
    bool lostCharacters_ = false;
};

} // namespace qv
