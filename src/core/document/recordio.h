#pragma once

#include "document/recordreader.h"
#include "document/recordwriter.h"

#include <stdexcept>
#include <string>

namespace qv {

// A save that cannot be written as it stands (a text too long for its record). The
// message names the object.
class SaveRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The two directions of one record walk. A layout is written once, as a template over the
// walker, and serves the reader and the writer alike, so the two can never disagree.
class ReadWalker {
public:
    static constexpr bool kReading = true;
    explicit ReadWalker(RecordReader& reader) : reader_(reader) {}

    RecordReader& reader() { return reader_; }
    void setContext(std::string) {}

    void byte(uint8_t& v) { v = reader_.getByte(); }
    void integer(int16_t& v) { v = reader_.getInteger(); }
    void boolean(bool& v) { v = reader_.getBoolean(); }
    void long32(int32_t& v) { v = reader_.getLong(); }
    void single(float& v) { v = reader_.getSingle(); }
    void str(std::string& v) { v = reader_.getStr(); }
    // A slot that always holds a fixed value: read and ignored.
    void fixedInteger(int16_t) { reader_.getInteger(); }
    void fixedLong(int32_t) { reader_.getLong(); }

private:
    RecordReader& reader_;
};

class WriteWalker {
public:
    static constexpr bool kReading = false;
    explicit WriteWalker(RecordWriter& writer) : writer_(writer) {}

    RecordWriter& writer() { return writer_; }
    // Names what is being written, for the message of a refused save.
    void setContext(std::string context) { context_ = std::move(context); }
    const std::string& context() const { return context_; }

    void byte(const uint8_t& v) { writer_.putByte(v); }
    void integer(const int16_t& v) { writer_.putInteger(v); }
    void boolean(const bool& v) { writer_.putBoolean(v); }
    void long32(const int32_t& v) { writer_.putLong(v); }
    void single(const float& v) { writer_.putSingle(v); }
    void str(const std::string& v)
    {
        if (!writer_.putStr(v))
            throw SaveRefused(context_ + " holds a text of more than 32767 bytes, which a project "
                                         "file cannot store; shorten it and save again");
    }
    void fixedInteger(int16_t v) { writer_.putInteger(v); }
    void fixedLong(int32_t v) { writer_.putLong(v); }

private:
    RecordWriter& writer_;
    std::string context_;
};

} // namespace qv
