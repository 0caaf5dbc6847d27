#pragma once

#include <array>
#include <string>

namespace qv {

// The five forms a date label can show, in the order of the two date menus:
// "dddd dd-mmm-yyyy", "dd-mmmm-yyyy", "dd-mm-yyyy", "mm-dd-yyyy", "yyyy-mm-dd".
inline constexpr int kDateStampFormatCount = 5;
using DateStampTexts = std::array<std::string, kDateStampFormatCount>;

struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

// The captions of the date menus for one day, with the day and month names of an ICU
// locale id ("en_US", "de_DE"). A date the calendar does not have gives empty texts.
DateStampTexts dateStampTexts(CalendarDate date, const std::string& localeId);
// One of those texts (`format` 0..4); empty for another form or a date the calendar does
// not have.
std::string dateStampText(CalendarDate date, int format, const std::string& localeId);

} // namespace qv
