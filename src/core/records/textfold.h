#pragma once

#include <string>
#include <string_view>

namespace qv {

// The case-folded form of a UTF-8 text, for comparing names and values without regard to
// case ("Straße" and "STRASSE" fold alike). ASCII text takes a fast path.
std::string foldCase(std::string_view text);

// The number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view text);

// The text without spaces and tabs at both ends.
std::string_view trimmed(std::string_view text);

} // namespace qv
