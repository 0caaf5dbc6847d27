#pragma once

#include "formulalocale.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The locale's currency, number and date texts for one FormulaLocale, through ICU. The
// ICU formatters are made on first use and kept, so one instance serves a whole
// recalculation cheaply. Date values are serials: whole days since 30 December 1899, the
// fraction being the time of day (also for days before it: -1.25 is 29 December 1899,
// 06:00).
class LocaleFormats {
public:
    explicit LocaleFormats(FormulaLocale locale);
    ~LocaleFormats();
    LocaleFormats(const LocaleFormats&) = delete;
    LocaleFormats& operator=(const LocaleFormats&) = delete;

    const FormulaLocale& locale() const { return locale_; }

    // A plain number text ("-1234.5") in the locale's currency format with `decimals`
    // (0..4) decimals.
    std::string currency(std::string_view plainNumber, int decimals);
    // A plain number text as a grouped number with `decimals` (0..4) decimals and a minus
    // sign for negatives.
    std::string groupedNumber(std::string_view plainNumber, int decimals);
    // The locale's currency text of zero ("$0.00", "0,00 €").
    std::string currencyOfZero();

    // Date texts; nullopt when the serial is not a date (before year 100, after 9999).
    std::optional<std::string> generalDate(double serial);     // short date [+ long time]
    std::optional<std::string> shortDate(double serial);       // "Short Date"
    std::optional<std::string> mediumDate(double serial);      // "Medium Date": dd-mmm-yy
    std::optional<std::string> longDate(double serial);        // "Long Date"
    std::optional<std::string> shortTime(double serial);       // 24-hour hh:mm
    std::optional<std::string> mediumTime(double serial);      // "Medium Time": hh:mm AM/PM
    std::optional<std::string> timeWithSeconds(double serial); // "hh:nn:ss", 24-hour

    // Reads a text as a date: a serial number, or a date and/or time in one of the forms
    // above (or ISO yyyy-mm-dd); nullopt when it is none of them.
    std::optional<double> parseDate(std::string_view text);

private:
    enum Pattern {
        kShortDate,
        kMediumDate,
        kLongDate,
        kLongTime,
        kShortTime,
        kMediumTime,
        kTimeWithSeconds,
        kIsoDate,
        kPatternCount
    };
    struct Impl;
    std::optional<std::string> formatDate(double serial, Pattern pattern);

    FormulaLocale locale_;
    std::unique_ptr<Impl> impl_;
};

} // namespace qv
