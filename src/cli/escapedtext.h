#pragma once

#include <string>
#include <string_view>

namespace qv::cli {

// A text from a file as one line of output: control characters (line breaks, escape
// sequences, the C1 controls) are written as \n, \r, \t or \xHH / \u{HHHH} and a backslash
// as \\, so that a title cannot forge lines of its own or steer the terminal.
std::string EscapedText(std::string_view text);

} // namespace qv::cli
