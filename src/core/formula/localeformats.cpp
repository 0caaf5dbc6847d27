#include "localeformats.h"

#include "formulanumber.h"

#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/numberformatter.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/ucurr.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace qv {

namespace {

constexpr double kFirstDateSerial = -657434.0; // 1 January 100
constexpr double kLastDateSerial = 2958466.0;  // 1 January 10000
constexpr double kSerialOf1970 = 25569.0;
constexpr double kMillisecondsPerDay = 86400000.0;

std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

// A four-digit year in the short date: the classic short date of "M/d/yyyy" locales.
icu::UnicodeString widenYear(icu::UnicodeString pattern)
{
    if (pattern.indexOf(u"yyy") < 0) {
        const int32_t at = pattern.indexOf(u"yy");
        if (at >= 0)
            pattern.replace(at, 2, u"y");
    }
    return pattern;
}

icu::UnicodeString stylePattern(const icu::Locale& locale, icu::DateFormat::EStyle dateStyle,
                                icu::DateFormat::EStyle timeStyle)
{
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, locale));
    icu::UnicodeString pattern;
    if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get()))
        simple->toPattern(pattern);
    return pattern;
}

// A formatter in GMT on a proleptic Gregorian calendar, so serials map to days one to one.
std::unique_ptr<icu::SimpleDateFormat> makeDateFormat(const icu::UnicodeString& pattern,
                                                      const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status))
        return nullptr;
    format->setTimeZone(*icu::TimeZone::getGMT());
    format->setLenient(false);
    if (auto* gregorian = dynamic_cast<const icu::GregorianCalendar*>(format->getCalendar())) {
        std::unique_ptr<icu::GregorianCalendar> calendar(gregorian->clone());
        calendar->setGregorianChange(-std::numeric_limits<double>::max(), status);
        if (U_SUCCESS(status))
            format->setCalendar(*calendar);
    }
    return format;
}

std::optional<UDate> serialToUDate(double serial)
{
    if (!(serial >= kFirstDateSerial && serial < kLastDateSerial))
        return std::nullopt;
    double days = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - days) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += serial < 0 ? -1.0 : 1.0;
    }
    return (days - kSerialOf1970) * kMillisecondsPerDay + static_cast<double>(seconds) * 1000.0;
}

double udateToSerial(UDate date)
{
    const double raw = date / kMillisecondsPerDay + kSerialOf1970;
    const double days = std::floor(raw);
    const double time = raw - days;
    return days < 0 ? days - time : days + time;
}

} // namespace

struct LocaleFormats::Impl {
    icu::Locale icuLocale;
    std::array<std::optional<icu::number::LocalizedNumberFormatter>, 5> currency;
    std::array<std::optional<icu::number::LocalizedNumberFormatter>, 5> number;
    std::array<std::unique_ptr<icu::SimpleDateFormat>, kPatternCount> dates;
    std::array<icu::UnicodeString, kPatternCount> patterns;
    bool patternsReady = false;
    // Formats tried when reading a date, and whether each holds only a time.
    std::vector<std::pair<std::unique_ptr<icu::SimpleDateFormat>, bool>> parsers;

    void preparePatterns()
    {
        if (patternsReady)
            return;
        patternsReady = true;
        patterns[kShortDate] =
            widenYear(stylePattern(icuLocale, icu::DateFormat::kShort, icu::DateFormat::kNone));
        patterns[kMediumDate] = u"dd-MMM-yy";
        patterns[kLongDate] =
            stylePattern(icuLocale, icu::DateFormat::kFull, icu::DateFormat::kNone);
        patterns[kLongTime] =
            stylePattern(icuLocale, icu::DateFormat::kNone, icu::DateFormat::kMedium);
        patterns[kShortTime] = u"HH:mm";
        patterns[kMediumTime] = u"hh:mm a";
        patterns[kTimeWithSeconds] = u"HH:mm:ss";
        patterns[kIsoDate] = u"yyyy-MM-dd";
    }

    icu::SimpleDateFormat* date(Pattern pattern)
    {
        if (!dates[pattern]) {
            preparePatterns();
            dates[pattern] = makeDateFormat(patterns[pattern], icuLocale);
        }
        return dates[pattern].get();
    }

    void prepareParsers()
    {
        if (!parsers.empty())
            return;
        preparePatterns();
        const icu::UnicodeString shortStyle =
            stylePattern(icuLocale, icu::DateFormat::kShort, icu::DateFormat::kNone);
        const icu::UnicodeString mediumStyle =
            stylePattern(icuLocale, icu::DateFormat::kMedium, icu::DateFormat::kNone);
        const icu::UnicodeString dateForms[] = {patterns[kShortDate], shortStyle,
                                                mediumStyle,          patterns[kMediumDate],
                                                patterns[kLongDate],  patterns[kIsoDate]};
        const icu::UnicodeString timeForms[] = {patterns[kLongTime], patterns[kTimeWithSeconds],
                                                patterns[kShortTime], patterns[kMediumTime],
                                                u"hh:mm:ss a"};
        for (const icu::UnicodeString& dateForm : dateForms) {
            for (const icu::UnicodeString& timeForm : timeForms)
                parsers.emplace_back(makeDateFormat(dateForm + u" " + timeForm, icuLocale), false);
            parsers.emplace_back(makeDateFormat(dateForm, icuLocale), false);
        }
        parsers.emplace_back(makeDateFormat(u"yyyy-MM-dd'T'HH:mm:ss", icuLocale), false);
        for (const icu::UnicodeString& timeForm : timeForms)
            parsers.emplace_back(makeDateFormat(timeForm, icuLocale), true);
    }

    const icu::number::LocalizedNumberFormatter& numberFormatter(bool asCurrency, int decimals)
    {
        auto& slot = asCurrency ? currency[decimals] : number[decimals];
        if (!slot) {
            // A value that rounds to zero shows no sign: "-0.00" is not an amount.
            icu::number::LocalizedNumberFormatter formatter =
                icu::number::NumberFormatter::withLocale(icuLocale)
                    .precision(icu::number::Precision::fixedFraction(decimals))
                    .sign(UNUM_SIGN_NEGATIVE);
            if (asCurrency) {
                UErrorCode status = U_ZERO_ERROR;
                char16_t code[4] = {};
                ucurr_forLocale(icuLocale.getName(), code, 4, &status);
                if (U_SUCCESS(status) && code[0] != 0) {
                    UErrorCode unitStatus = U_ZERO_ERROR;
                    const icu::CurrencyUnit unit(code, unitStatus);
                    if (U_SUCCESS(unitStatus))
                        formatter = formatter.unit(unit);
                }
            }
            slot = formatter;
        }
        return *slot;
    }
};

LocaleFormats::LocaleFormats(FormulaLocale locale)
    : locale_(std::move(locale)), impl_(std::make_unique<Impl>())
{
    impl_->icuLocale = icu::Locale(locale_.icuLocaleId.c_str());
}

LocaleFormats::~LocaleFormats() = default;

namespace {

std::string formatDecimal(const icu::number::LocalizedNumberFormatter& formatter,
                          std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted = formatter.formatDecimal(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())), status);
    const icu::UnicodeString result = formatted.toString(status);
    return U_SUCCESS(status) ? utf8(result) : std::string(text);
}

} // namespace

std::string LocaleFormats::currency(std::string_view plainNumber, int decimals)
{
    return formatDecimal(impl_->numberFormatter(true, std::clamp(decimals, 0, 4)), plainNumber);
}

std::string LocaleFormats::groupedNumber(std::string_view plainNumber, int decimals)
{
    return formatDecimal(impl_->numberFormatter(false, std::clamp(decimals, 0, 4)), plainNumber);
}

std::string LocaleFormats::currencyOfZero()
{
    return currency("0", 2);
}

std::optional<std::string> LocaleFormats::formatDate(double serial, Pattern pattern)
{
    const std::optional<UDate> date = serialToUDate(serial);
    icu::SimpleDateFormat* format = impl_->date(pattern);
    if (!date || !format)
        return std::nullopt;
    icu::UnicodeString text;
    format->format(*date, text);
    return utf8(text);
}

std::optional<std::string> LocaleFormats::generalDate(double serial)
{
    std::optional<std::string> text = formatDate(serial, kShortDate);
    if (text && serial != std::trunc(serial)) {
        const std::optional<std::string> time = formatDate(serial, kLongTime);
        if (time)
            *text += " " + *time;
    }
    return text;
}

std::optional<std::string> LocaleFormats::shortDate(double serial)
{
    return formatDate(serial, kShortDate);
}

std::optional<std::string> LocaleFormats::mediumDate(double serial)
{
    return formatDate(serial, kMediumDate);
}

std::optional<std::string> LocaleFormats::longDate(double serial)
{
    return formatDate(serial, kLongDate);
}

std::optional<std::string> LocaleFormats::shortTime(double serial)
{
    return formatDate(serial, kShortTime);
}

std::optional<std::string> LocaleFormats::mediumTime(double serial)
{
    return formatDate(serial, kMediumTime);
}

std::optional<std::string> LocaleFormats::timeWithSeconds(double serial)
{
    return formatDate(serial, kTimeWithSeconds);
}

std::optional<double> LocaleFormats::parseDate(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (const std::optional<FormulaDecimal> number = StrictDecimal(text)) {
        const double serial = number->toDouble();
        if (serial >= kFirstDateSerial && serial < kLastDateSerial)
            return serial;
        return std::nullopt;
    }
    impl_->prepareParsers();
    const icu::UnicodeString input = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    for (const auto& [parser, timeOnly] : impl_->parsers) {
        if (!parser)
            continue;
        icu::ParsePosition position(0);
        const UDate date = parser->parse(input, position);
        if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
            continue;
        const double serial = udateToSerial(date) - (timeOnly ? kSerialOf1970 : 0.0);
        if (serial >= kFirstDateSerial && serial < kLastDateSerial)
            return serial;
    }
    return std::nullopt;
}

} // namespace qv
