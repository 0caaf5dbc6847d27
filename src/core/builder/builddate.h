#pragma once

#include <cstdint>

namespace qv {

// The date record of a built application's texts section: the build date as a day number,
// the count of days since 30 December 1899 (so 1 January 1900 is 2 and 1 January 2000 is
// 36526), the day numbering of the date values the built application's fields work with.
// The runtime shows it in its About box as the date the application was built.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

int32_t BuildDateNumber(const CivilDate& date);
CivilDate DateOfBuildNumber(int32_t number);
// Today's date in local time.
CivilDate TodayLocal();

} // namespace qv
