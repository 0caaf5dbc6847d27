#pragma once

#include <unicode/utf8.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qv {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates). Plain
// ASCII is valid UTF-8, so a file of ASCII text reads the same in every encoding.
inline bool isValidUtf8(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int64_t>(text.size());
    for (int64_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

// The number of characters of UTF-8 text (code points; a byte that is no valid UTF-8
// counts as one character).
inline size_t utf8Length(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int64_t>(text.size());
    size_t characters = 0;
    for (int64_t i = 0; i < length; ++characters) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
    }
    return characters;
}

} // namespace qv
