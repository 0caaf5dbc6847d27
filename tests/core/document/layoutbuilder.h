#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Writes the record encodings by hand, independently of the program's writer, so tests can
// spell out what a file must hold.
class LayoutBuilder {
public:
    LayoutBuilder& str(const std::string& text)
    {
        put16(static_cast<uint16_t>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    LayoutBuilder& byteVar(uint8_t v) { return var(17, &v, 1); }
    LayoutBuilder& intVar(int16_t v) { return var(2, &v, 2); }
    LayoutBuilder& boolVar(bool v)
    {
        const int16_t stored = v ? -1 : 0;
        return var(11, &stored, 2);
    }
    LayoutBuilder& longVar(int32_t v) { return var(3, &v, 4); }
    LayoutBuilder& singleVar(float v) { return var(4, &v, 4); }
    LayoutBuilder& raw(const std::vector<uint8_t>& data)
    {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        return *this;
    }
    LayoutBuilder& blob(const std::vector<uint8_t>& data)
    {
        const auto n = static_cast<int32_t>(data.size());
        uint8_t length[4];
        std::memcpy(length, &n, 4);
        bytes_.insert(bytes_.end(), length, length + 4);
        return raw(data);
    }
    // A file ends right after the last value written; the padding of a final slot is absent.
    std::vector<uint8_t> finish() const
    {
        std::vector<uint8_t> result = bytes_;
        result.resize(end_ > result.size() ? end_ : result.size());
        if (lastWasVar_)
            result.resize(lastVarEnd_);
        return result;
    }

private:
    void put16(uint16_t v)
    {
        lastWasVar_ = false;
        bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
        bytes_.push_back(static_cast<uint8_t>(v >> 8));
    }
    LayoutBuilder& var(uint16_t tag, const void* value, size_t size)
    {
        const size_t start = bytes_.size();
        put16(tag);
        const auto* p = static_cast<const uint8_t*>(value);
        bytes_.insert(bytes_.end(), p, p + size);
        bytes_.resize(start + 16, 0);
        lastWasVar_ = true;
        lastVarEnd_ = start + 2 + size;
        return *this;
    }

    std::vector<uint8_t> bytes_;
    size_t end_ = 0;
    bool lastWasVar_ = false;
    size_t lastVarEnd_ = 0;
};
