#pragma once

#include "designer/canvassettings.h"
#include "designer/objectgeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two directions of one clipboard record walk. A record is written once, as a template
// over the walker (clipboardlayouts.h), and the field positions follow from the order of
// the calls, so the copy and the paste can never disagree. Positions and sizes are canvas
// pixels in the text and twips in the records.

namespace qv {

// "," -> "/~/", then CR LF -> "&_&"; and back in the same order.
std::string escapeClipboardText(std::string_view text);
std::string unescapeClipboardText(std::string_view text);

// Writes one record line: the keyword and its comma, then one field per call.
class ClipboardWriteWalker {
public:
    static constexpr bool kReading = false;
    explicit ClipboardWriteWalker(std::string_view keyword) : line_(keyword) { line_ += ','; }

    // Positions; the reader shifts them by the scroll since the copy.
    void x(const float& twips) { pixels(twipsToPixels(twips)); }
    void y(const float& twips) { pixels(twipsToPixels(twips)); }
    void size(const float& twips) { pixels(twipsToPixels(twips)); }
    void pixelX(const float& v) { pixels(v); }
    void pixelY(const float& v) { pixels(v); }
    void pixels(const float& v) { field(singleText(v)); }
    void number(const float& v) { field(singleText(v)); }
    template <class I> void integer(const I& v) { field(std::to_string(static_cast<long long>(v))); }
    void boolean(const bool& v) { field(v ? "True" : "False"); }
    void escaped(const std::string& text) { field(escapeClipboardText(text)); }
    void plain(const std::string& text) { field(text); }
    // A field that always holds the same value; the reader skips it.
    void fixedPixels(float v) { pixels(v); }
    void fixedBoolean(bool v) { boolean(v); }
    // The list of N items: N, then N + 1 entries (the last empty), each with its own comma.
    void listItems(const std::vector<std::string>& items)
    {
        integer(items.size());
        line_ += ',';
        for (const std::string& item : items)
            line_ += escapeClipboardText(item) + ',';
        line_ += ',';
    }

    std::string finish()
    {
        line_ += "\r\n";
        return std::move(line_);
    }

private:
    void field(std::string_view text)
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        line_.append(text);
    }

    std::string line_;
    bool first_ = true;
};

// Reads the fields of one record line in order. A field that is missing or does not
// convert leaves its target as it is, so a short or damaged record keeps the defaults.
class ClipboardReadWalker {
public:
    static constexpr bool kReading = true;
    // `fields` starts with the keyword; dx, dy shift the positions (pixels).
    ClipboardReadWalker(std::vector<std::string_view> fields, float dx, float dy)
        : fields_(std::move(fields)), dx_(dx), dy_(dy)
    {
    }

    void x(float& twips) { shiftedTwips(twips, dx_); }
    void y(float& twips) { shiftedTwips(twips, dy_); }
    void size(float& twips) { shiftedTwips(twips, 0); }
    void pixelX(float& v) { shiftedPixels(v, dx_); }
    void pixelY(float& v) { shiftedPixels(v, dy_); }
    void pixels(float& v) { shiftedPixels(v, 0); }
    void number(float& v) { shiftedPixels(v, 0); }
    template <class I> void integer(I& target)
    {
        double v = 0;
        if (!numeric(next(), v))
            return;
        v = std::nearbyint(v);
        if (v < static_cast<double>(std::numeric_limits<I>::min()) ||
            v > static_cast<double>(std::numeric_limits<I>::max()))
            return;
        target = static_cast<I>(v);
    }
    void boolean(bool& target);
    void escaped(std::string& target)
    {
        if (const auto f = next())
            target = unescapeClipboardText(*f);
    }
    void plain(std::string& target)
    {
        if (const auto f = next())
            target = std::string(*f);
    }
    void fixedPixels(float) { next(); }
    void fixedBoolean(bool) { next(); }
    // Never more items than the record holds; a missing or negative count keeps the list.
    void listItems(std::vector<std::string>& items);

private:
    std::optional<std::string_view> next()
    {
        if (at_ >= fields_.size()) {
            ++at_;
            return std::nullopt;
        }
        return fields_[at_++];
    }
    static bool numeric(std::optional<std::string_view> field, double& value);
    // The next field as pixels plus `shift`; false (and `v` kept) when it is no number.
    bool readPixels(float& v, float shift)
    {
        double read = 0;
        if (!numeric(next(), read) || std::fabs(read) > 1e7)
            return false;
        v = static_cast<float>(read) + shift;
        return true;
    }
    void shiftedPixels(float& v, float shift) { readPixels(v, shift); }
    void shiftedTwips(float& twips, float shift)
    {
        float v = 0;
        if (readPixels(v, shift))
            twips = pixelsToTwips(v);
    }

    std::vector<std::string_view> fields_;
    size_t at_ = 1; // field 0 is the keyword
    float dx_ = 0;
    float dy_ = 0;
};

} // namespace qv
