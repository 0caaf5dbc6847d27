#include "designer/formulareferences.h"

#include <cctype>

namespace qv {

namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isReferenceStart(std::string_view text, size_t i, char upper, char lower)
{
    return (text[i] == upper || text[i] == lower) && i + 1 < text.size() && isDigit(text[i + 1]) &&
           (i == 0 || !isLetter(text[i - 1]));
}

} // namespace

bool mentionsReference(std::string_view text, char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (isReferenceStart(text, i, upper, lower))
            return true;
    }
    return false;
}

std::string renumberReferences(std::string_view text, char letter, const ReferenceMap& map)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    std::string out;
    out.reserve(text.size() + 8);
    size_t i = 0;
    while (i < text.size()) {
        if (!isReferenceStart(text, i, upper, lower)) {
            out += text[i++];
            continue;
        }
        size_t end = i + 1;
        long long number = 0;
        while (end < text.size() && isDigit(text[end])) {
            if (number < 1'000'000'000)
                number = number * 10 + (text[end] - '0');
            ++end;
        }
        const int mapped = map.map(number);
        if (mapped == -2) {
            out.append(text.substr(i, end - i));
        } else if (mapped < 0) {
            out += kDeletedReference;
        } else {
            out += text[i];
            out += std::to_string(mapped);
        }
        i = end;
    }
    return out;
}

} // namespace qv
