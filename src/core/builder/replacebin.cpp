#include "builder/replacebin.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace qv {

std::u16string Utf16Of(std::string_view utf8)
{
    std::u16string result;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<uint8_t>(utf8[i]);
        int extra = 0;
        uint32_t code = lead;
        if (lead >= 0xC0 && lead < 0xE0) {
            extra = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            extra = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else if (lead >= 0x80) {
            extra = -1;
        }
        bool ok = extra >= 0 && i + static_cast<size_t>(extra) < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(utf8[i + static_cast<size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!ok) {
            result.push_back(u'?');
            ++i;
            continue;
        }
        result.push_back(code > 0xFFFF || (code >= 0xD800 && code < 0xE000)
                             ? u'?'
                             : static_cast<char16_t>(code));
        i += 1 + static_cast<size_t>(extra);
    }
    return result;
}

int64_t ReplaceBin(std::vector<uint8_t>& buffer, std::string_view placeholder,
                   std::string_view value)
{
    const std::u16string p = Utf16Of(placeholder);
    const std::u16string v = Utf16Of(value);
    const size_t byteLength = 2 * p.size();
    const size_t compared = std::min(p.size(), kComparedCharacters);
    // The value's bytes, followed by zero characters to fill the placeholder's length.
    std::vector<uint8_t> replacement(byteLength, 0);
    for (size_t k = 0; k < v.size() && 2 * k < byteLength; ++k) {
        replacement[2 * k] = static_cast<uint8_t>(v[k] & 0xFF);
        replacement[2 * k + 1] = static_cast<uint8_t>(v[k] >> 8);
    }
    int64_t foundAt = 0;
    if (buffer.size() <= 81 || p.empty())
        return 0;
    const size_t last = buffer.size() - 1 - 80;
    for (size_t i = 1; i <= last; ++i) {
        if (i + byteLength > buffer.size())
            break;
        bool match = true;
        for (size_t j = 0; j < compared && match; ++j)
            match = buffer[i + 2 * j] == static_cast<uint8_t>(p[j] & 0xFF);
        if (!match)
            continue;
        std::copy(replacement.begin(), replacement.end(),
                  buffer.begin() + static_cast<ptrdiff_t>(i));
        foundAt = static_cast<int64_t>(i);
    }
    return foundAt;
}

} // namespace qv
