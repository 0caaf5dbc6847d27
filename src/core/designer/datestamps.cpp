#include "designer/datestamps.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>
#include <optional>

namespace qv {

namespace {

// The menu forms in ICU's pattern letters: d day, M month (MMM short name, MMMM full),
// EEEE the weekday's name, y year.
constexpr std::array<const char*, kDateStampFormatCount> kPatterns{
    "EEEE dd-MMM-yyyy", "dd-MMMM-yyyy", "dd-MM-yyyy", "MM-dd-yyyy", "yyyy-MM-dd"};

// The moment of `date` at noon GMT, or nullopt for a date the calendar does not have.
std::optional<UDate> noonOf(CalendarDate date, const icu::Locale& locale)
{
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), locale, status);
    if (U_FAILURE(status))
        return std::nullopt;
    calendar.setLenient(false);
    calendar.clear();
    calendar.set(date.year, date.month - 1, date.day, 12, 0);
    const UDate when = calendar.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt; // 31 February and the like
    return when;
}

std::string formatted(UDate when, size_t format, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(icu::UnicodeString(kPatterns[format]), locale, status);
    if (U_FAILURE(status))
        return {};
    formatter.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    formatter.format(when, text);
    std::string result;
    text.toUTF8String(result);
    return result;
}

} // namespace

DateStampTexts dateStampTexts(CalendarDate date, const std::string& localeId)
{
    DateStampTexts texts;
    const icu::Locale locale(localeId.c_str());
    const std::optional<UDate> when = noonOf(date, locale);
    if (!when)
        return texts;
    for (size_t i = 0; i < kPatterns.size(); ++i)
        texts[i] = formatted(*when, i, locale);
    return texts;
}

std::string dateStampText(CalendarDate date, int format, const std::string& localeId)
{
    if (format < 0 || format >= kDateStampFormatCount)
        return {};
    const icu::Locale locale(localeId.c_str());
    const std::optional<UDate> when = noonOf(date, locale);
    return when ? formatted(*when, static_cast<size_t>(format), locale) : std::string();
}

} // namespace qv
