#pragma once

#include "formulalocale.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Turns a number written with the locale's separators into plain text with "." as
// decimal point and no grouping: when the decimal separator is not "." every "." goes
// and the separator becomes "."; then every "," and "'" goes, and every other grouping
// character that a locale writes (the no-break spaces U+00A0 and U+202F, the apostrophe
// U+2019).
std::string NormaliseNumberText(std::string_view text, const FormulaLocale& locale);

// The value of a number the user wrote with the locale's separators, blanks around it and
// a leading "+" allowed; nullopt for a text that is no finite number ("n/a", "nan",
// "inf"), which callers that sort or sum must keep apart from the numbers.
std::optional<double> NumberOfText(std::string_view text, const FormulaLocale& locale);

// Plain number text ("-1234.5") written the way the locale shows it without grouping
// ("-1234,5" in a comma locale): what a text box shows for a plain number.
std::string LocaleNumberText(std::string_view plainText, const FormulaLocale& locale);

// Every occurrence of `from` in text replaced by `to`, left to right, without overlaps.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
void ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to);

} // namespace qv
