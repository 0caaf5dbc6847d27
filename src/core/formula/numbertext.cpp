#include "numbertext.h"

namespace qv {

namespace {
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
}

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
    ReplaceAllInPlace(result, kNoBreakSpace, "");
    return result;
}

std::string LocaleNumberText(std::string_view plainText, const FormulaLocale& locale)
{
    if (locale.decimalSeparator == ".")
        return std::string(plainText);
    return ReplaceAll(plainText, ".", locale.decimalSeparator);
}

} // namespace qv
