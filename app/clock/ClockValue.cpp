#include "app/clock/ClockValue.h"

#include "toolbox/SystemTime.h"

#include <algorithm>
#include <limits>

namespace
{

constexpr int64_t kSecondsPerDay = 86400;
// 31 December 1989, 00:00:00 UTC, in seconds since 1970.
constexpr int64_t kClockStart = 631065600;

// Days before each month in a common year.
constexpr int64_t kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool IsLeapYear(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Gregorian leap years from year 1 up to and including the given year.
int64_t LeapYearsUpTo(int64_t year)
{
    return year / 4 - year / 100 + year / 400;
}

int64_t FloorDivide(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

} // namespace

int32_t ClockValueOf(const std::tm& utc)
{
    // A month outside 0 to 11 is carried into the year rather than read past the table.
    int64_t year = 1900 + static_cast<int64_t>(utc.tm_year) + FloorDivide(utc.tm_mon, 12);
    int64_t month = utc.tm_mon - 12 * FloorDivide(utc.tm_mon, 12);

    int64_t dayOfYear = utc.tm_mday + kDaysBeforeMonth[month];
    if (month >= 2 && IsLeapYear(year))
        ++dayOfYear;

    int64_t value = utc.tm_sec + 60 * static_cast<int64_t>(utc.tm_min) +
                    3600 * static_cast<int64_t>(utc.tm_hour) + kSecondsPerDay * dayOfYear;
    // The whole years from 1990 to the year before; none before 1990.
    if (year > 1990)
    {
        int64_t days = 365 * (year - 1990) + LeapYearsUpTo(year - 1) - LeapYearsUpTo(1989);
        value += kSecondsPerDay * days;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t DayOf(int32_t clockValue)
{
    return clockValue / static_cast<int32_t>(kSecondsPerDay);
}

int WeekdayOf(int32_t day)
{
    int64_t shifted = static_cast<int64_t>(day) + 6;
    return static_cast<int>(shifted - 7 * FloorDivide(shifted, 7));
}

std::time_t UnixTimeOf(int32_t clockValue)
{
    return static_cast<std::time_t>(clockValue + kClockStart);
}

int32_t LocalDayOf(int32_t clockValue)
{
    const std::time_t moment = UnixTimeOf(clockValue);
    std::tm date = toolbox::LocalFieldsOf(moment);
    date.tm_hour = date.tm_min = date.tm_sec = 0;
    date.tm_isdst = 0;
    return static_cast<int32_t>(
        FloorDivide(toolbox::UtcTimeOfFields(date) - kClockStart, kSecondsPerDay));
}

std::tm DateOfDay(int32_t day)
{
    const std::time_t moment = static_cast<std::time_t>(day * kSecondsPerDay + kClockStart);
    std::tm date = toolbox::UtcFieldsOf(moment);
    return date;
}
