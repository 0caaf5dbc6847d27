#include "builder/builddate.h"

#include <chrono>
#include <ctime>

namespace qv {

namespace {

// Days from 1970-01-01 to 1899-12-30.
constexpr int32_t kEpochOffset = 25569;

} // namespace

int32_t BuildDateNumber(const CivilDate& date)
{
    using namespace std::chrono;
    const sys_days days = year{date.year} / month{static_cast<unsigned>(date.month)} /
                          day{static_cast<unsigned>(date.day)};
    return static_cast<int32_t>(days.time_since_epoch().count()) + kEpochOffset;
}

CivilDate DateOfBuildNumber(int32_t number)
{
    using namespace std::chrono;
    const year_month_day ymd{sys_days{days{number - kEpochOffset}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CivilDate TodayLocal()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace qv
