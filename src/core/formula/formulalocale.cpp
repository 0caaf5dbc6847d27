#include "formulalocale.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

namespace qv {

FormulaLocale FormulaLocale::fromIcu(const std::string& localeId)
{
    FormulaLocale locale;
    locale.icuLocaleId = localeId;
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(icu::Locale(localeId.c_str()), status);
    if (U_SUCCESS(status)) {
        std::string separator;
        symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol)
            .toUTF8String(separator);
        if (!separator.empty())
            locale.decimalSeparator = separator;
    }
    return locale;
}

bool FormulaLocale::isKnownLocale(const std::string& localeId)
{
    int32_t count = 0;
    const icu::Locale* available = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; i < count; ++i) {
        if (localeId == available[i].getName())
            return true;
    }
    return false;
}

} // namespace qv
