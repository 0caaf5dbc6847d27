#include "prepareformula.h"

#include "formulanumber.h"
#include "numbertext.h"
#include "referencesubstitution.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace qv {

namespace {

// A SUM range never names more fields than a window can hold (2000, plus F0); the cap
// keeps a range like SUM(1:999999999) from building a text of gigabytes.
constexpr long long kMaxSumTerms = 2001;

long long wholeNumber(std::string_view text)
{
    if (const std::optional<FormulaDecimal> value = ValDecimal(text)) {
        const double whole = value->roundedHalfEven(0).toDouble();
        return static_cast<long long>(std::clamp(whole, -1e15, 1e15));
    }
    return ValDouble(text) < 0 ? -1000000000000000LL : 1000000000000000LL;
}

void expandFirstSum(std::string& text)
{
    const size_t sum = text.find("SUM(");
    if (sum == std::string::npos)
        return;
    const size_t close = text.find(')', sum + 4);
    if (close == std::string::npos)
        return;
    std::string inside = text.substr(sum + 4, close - sum - 4);
    inside.erase(std::remove(inside.begin(), inside.end(), 'F'), inside.end());
    const size_t colon = inside.find(':');
    if (colon == std::string::npos)
        return;
    const size_t secondColon = inside.find(':', colon + 1);
    const long long first = wholeNumber(std::string_view(inside).substr(0, colon));
    const long long last = wholeNumber(std::string_view(inside).substr(
        colon + 1, secondColon == std::string::npos ? std::string::npos : secondColon - colon - 1));
    std::string terms;
    const long long end = std::min(last, first + kMaxSumTerms - 1);
    for (long long index = first; index <= end; ++index) {
        terms += "F" + std::to_string(index);
        if (index < last)
            terms += "+";
    }
    text.replace(sum, close + 1 - sum, terms);
}

std::string upperCase(const std::string& text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        std::string upper = text;
        for (char& c : upper) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return upper;
    }
    std::string upper;
    icu::UnicodeString::fromUTF8(text).toUpper(icu::Locale::getRoot()).toUTF8String(upper);
    return upper;
}

void upperCaseConditions(std::string& text)
{
    size_t from = 0;
    for (;;) {
        const size_t ifAt = text.find("IF", from);
        if (ifAt == std::string::npos)
            return;
        const size_t thenAt = text.find("THEN", ifAt + 2);
        if (thenAt == std::string::npos)
            return;
        const std::string condition = upperCase(text.substr(ifAt, thenAt - ifAt));
        text.replace(ifAt, thenAt - ifAt, condition);
        from = ifAt + condition.size() + 4;
    }
}

} // namespace

std::string PrepareFormula(std::string_view formula, const ObjectCounts& counts)
{
    std::string text(formula);
    expandFirstSum(text);

    if (text.find('=') != std::string::npos) {
        MarkAssignmentTargets(text, 'F', 1, counts.fields);
        MarkAssignmentTargets(text, 'M', 1, counts.notes);
        MarkAssignmentTargets(text, 'C', 1, counts.combos);
        MarkAssignmentTargets(text, 'K', 0, counts.checkboxes);
        MarkAssignmentTargets(text, 'V', 0, 99);
    }

    upperCaseConditions(text);

    ReplaceAllInPlace(text, "FALSE", "0");
    ReplaceAllInPlace(text, "TRUE", "1");

    std::replace(text.begin(), text.end(), '-', '~');
    if (text.find('~') == std::string::npos)
        return text;
    ReplaceAllInPlace(text, "~~", "~-");
    ReplaceAllInPlace(text, "*~", "*-");
    ReplaceAllInPlace(text, "+~", "+-");
    ReplaceAllInPlace(text, "/~", "/-");
    ReplaceAllInPlace(text, "^~", "^-");
    return text;
}

} // namespace qv
