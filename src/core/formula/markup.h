#pragma once

#include <string>
#include <string_view>

namespace qv {

// Turns the tag language of help texts into one control character per tag: every line
// feed is removed first (so code 10 is free for "</small>"), then the tags are replaced
// one kind after the other, "<b>" first and "</link>" last. Carriage returns stay the
// line breaks. Tags are case-sensitive and take no attributes; anything else is kept.
std::string EncodeMarkup(std::string_view text);

} // namespace qv
