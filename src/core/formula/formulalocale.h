#pragma once

#include <string>

namespace qv {

// The locale the formula engine works in. It is a value handed to every call, so the
// engine never reads global state: the designer passes the system locale, tests and the
// command line pass the one they name.
struct FormulaLocale {
    // The locale's one-character decimal separator, UTF-8 encoded ("." or ",").
    std::string decimalSeparator = ".";
    // ICU locale id ("en_US", "de_DE") for currency, number and date texts.
    std::string icuLocaleId = "en_US";

    // The separator and id that ICU knows for the locale id. Unknown ids fall back to
    // ICU's root data, so callers that take ids from users check isKnownLocale first.
    static FormulaLocale fromIcu(const std::string& localeId);
    static bool isKnownLocale(const std::string& localeId);
};

} // namespace qv
