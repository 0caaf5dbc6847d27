#pragma once

#include <unicode/utf8.h>

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

} // namespace qv
