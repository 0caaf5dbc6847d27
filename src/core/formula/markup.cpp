#include "markup.h"

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

std::string replaceAll(const std::string& text, std::string_view tag, char code)
{
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(tag, from);
        if (at == std::string::npos)
            break;
        result.append(text, from, at - from);
        result.push_back(code);
        from = at + tag.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace

std::string EncodeMarkup(std::string_view text)
{
    std::string encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (c != '\n')
            encoded.push_back(c);
    }
    for (const MarkupTag& entry : kTags) {
        if (encoded.find(entry.tag) != std::string::npos)
            encoded = replaceAll(encoded, entry.tag, entry.code);
    }
    return encoded;
}

} // namespace qv
