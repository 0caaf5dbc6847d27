#include "numbertext.h"

#include <charconv>
#include <cmath>

namespace qv {

namespace {
// Grouping characters that the locale formats write besides "," and "'": the no-break
// spaces (fr_FR, sv_SE, ru_RU ...) and the typographic apostrophe (de_CH, it_CH).
constexpr std::string_view kGroupingCharacters[] = {
    "\xC2\xA0",     // U+00A0 no-break space
    "\xE2\x80\xAF", // U+202F narrow no-break space
    "\xE2\x80\x99", // U+2019 right single quotation mark
};
} // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    if (from.empty()) {
        result = text;
        return result;
    }
    result.reserve(text.size());
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(from, start);
        if (at == std::string_view::npos)
            break;
        result.append(text.substr(start, at - start));
        result.append(to);
        start = at + from.size();
    }
    result.append(text.substr(start));
    return result;
}

void ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to)
{
    if (!from.empty() && text.find(from) != std::string::npos)
        text = ReplaceAll(text, from, to);
}

std::string NormaliseNumberText(std::string_view text, const FormulaLocale& locale)
{
    std::string result(text);
    if (locale.decimalSeparator != ".") {
        ReplaceAllInPlace(result, ".", "");
        ReplaceAllInPlace(result, locale.decimalSeparator, ".");
    }
    ReplaceAllInPlace(result, ",", "");
    ReplaceAllInPlace(result, "'", "");
    for (std::string_view grouping : kGroupingCharacters)
        ReplaceAllInPlace(result, grouping, "");
    // Several locales (sv_SE, nb_NO, ...) write their negative numbers with the
    // typographic minus sign; read it as the plain one.
    ReplaceAllInPlace(result, "\xE2\x88\x92", "-");
    return result;
}

std::optional<double> NumberOfText(std::string_view text, const FormulaLocale& locale)
{
    const std::string plain = NormaliseNumberText(text, locale);
    const size_t first = plain.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const size_t last = plain.find_last_not_of(' ');
    const char* begin = plain.data() + first;
    const char* end = plain.data() + last + 1;
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string LocaleNumberText(std::string_view plainText, const FormulaLocale& locale)
{
    if (locale.decimalSeparator == ".")
        return std::string(plainText);
    return ReplaceAll(plainText, ".", locale.decimalSeparator);
}

} // namespace qv
