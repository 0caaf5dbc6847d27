#include "markup.h"

#include "numbertext.h"

#include <array>

namespace qv {

namespace {

struct MarkupTag {
    std::string_view tag;
    char code;
};

// The order matters: the replacement runs tag by tag in this order over the whole text.
// Code 13 is left out because the carriage return breaks lines.
constexpr std::array<MarkupTag, 20> kTags{{
    {"<b>", 1},       {"<i>", 2},      {"<u>", 3},     {"<big>", 4},    {"<small>", 5},
    {"</b>", 6},      {"</i>", 7},     {"</u>", 8},    {"</big>", 9},   {"</small>", 10},
    {"<blue>", 11},   {"<green>", 12}, {"<red>", 14},  {"<black>", 15}, {"<magenta>", 16},
    {"<yellow>", 17}, {"<cyan>", 18},  {"<line>", 19}, {"<link>", 20},  {"</link>", 21},
}};

} // namespace

std::string EncodeMarkup(std::string_view text)
{
    std::string encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (c != '\n')
            encoded.push_back(c);
    }
    for (const MarkupTag& entry : kTags)
        ReplaceAllInPlace(encoded, entry.tag, std::string_view(&entry.code, 1));
    return encoded;
}

} // namespace qv
