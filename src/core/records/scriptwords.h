#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One word of a record command line.
struct ScriptWord {
    enum class Type { Word, Text, Operator, Comma };
    Type type = Type::Word;
    std::string text; // a Text without its quotes; an Operator as =, <>, <, >, <= or >=
};

// Splits a record command line into words: quoted texts ('...' or "...", a doubled quote
// inside standing for one), the comparison operators (=< and => are read as <= and >=, !=
// as <>), commas, and words between spaces. Parentheses separate words like spaces, so
// SumTotal$(F3) reads as SumTotal$ F3. A prepared script writes every minus as "~"; it is
// read as "-" again, in words and in quoted texts. Returns false with `error` set for a quoted text
// that is not closed.
bool splitScriptWords(std::string_view line, std::vector<ScriptWord>& words, std::string& error);

} // namespace qv
