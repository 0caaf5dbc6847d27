#include "designer/datestamps.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>

namespace qv {

namespace {

// The menu forms in ICU's pattern letters: d day, M month (MMM short name, MMMM full),
// EEEE the weekday's name, y year.
constexpr std::array<const char*, kDateStampFormatCount> kPatterns{
    "EEEE dd-MMM-yyyy", "dd-MMMM-yyyy", "dd-MM-yyyy", "MM-dd-yyyy", "yyyy-MM-dd"};

} // namespace

DateStampTexts dateStampTexts(CalendarDate date, const std::string& localeId)
{
    DateStampTexts texts;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return texts;
    const icu::Locale locale(localeId.c_str());
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), locale, status);
    if (U_FAILURE(status))
        return texts;
    calendar.setLenient(false);
    calendar.clear();
    calendar.set(date.year, date.month - 1, date.day, 12, 0);
    const UDate when = calendar.getTime(status);
    if (U_FAILURE(status))
        return texts; // 31 February and the like
    for (size_t i = 0; i < kPatterns.size(); ++i) {
        status = U_ZERO_ERROR;
        icu::SimpleDateFormat format(icu::UnicodeString(kPatterns[i]), locale, status);
        if (U_FAILURE(status))
            continue;
        format.setTimeZone(*icu::TimeZone::getGMT());
        icu::UnicodeString text;
        format.format(when, text);
        text.toUTF8String(texts[i]);
    }
    return texts;
}

} // namespace qv
