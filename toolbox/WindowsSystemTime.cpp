// The clocks on Windows: the unbiased interrupt time leaves out the time the computer slept,
// the tick count keeps it.
#include "toolbox/SystemTime.h"

#include <windows.h>
// After windows.h:
#include <realtimeapiset.h>

namespace toolbox
{

namespace
{

int64_t FloorDivide(int64_t value, int64_t divisor)
{
    const int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

// The proleptic Gregorian calendar's fields of seconds since 1970 in UTC, for the moments the C
// runtime refuses (before 1970 it fills every field with -1).
std::tm CountedFields(int64_t moment)
{
    const int64_t days = FloorDivide(moment, 86400);
    const int64_t second = moment - days * 86400;
    // Days since 1 March of year 0, in eras of 400 years.
    const int64_t shifted = days + 719468;
    const int64_t era = FloorDivide(shifted, 146097);
    const int64_t dayOfEra = shifted - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    std::tm fields{};
    fields.tm_year = static_cast<int>(year - 1900);
    fields.tm_mon = static_cast<int>(month - 1);
    fields.tm_mday = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    fields.tm_hour = static_cast<int>(second / 3600);
    fields.tm_min = static_cast<int>(second / 60 % 60);
    fields.tm_sec = static_cast<int>(second % 60);
    // 1 January 1970 was a Thursday.
    fields.tm_wday = static_cast<int>(days + 4 - 7 * FloorDivide(days + 4, 7));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static constexpr int kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
    fields.tm_yday = kDaysBeforeMonth[month - 1] + fields.tm_mday - 1 + (leap && month > 2 ? 1 : 0);
    return fields;
}

} // namespace

std::time_t UtcTimeOfFields(std::tm& fields)
{
    return ::_mkgmtime(&fields);
}

std::tm UtcFieldsOf(std::time_t moment)
{
    std::tm fields{};
    if (moment < 0 || ::gmtime_s(&fields, &moment) != 0)
        fields = CountedFields(moment);
    return fields;
}

std::tm LocalFieldsOf(std::time_t moment)
{
    std::tm fields{};
    if (moment >= 0 && ::localtime_s(&fields, &moment) == 0)
        return fields;
    // Seconds west of UTC, as the last tzset found them.
    return CountedFields(static_cast<int64_t>(moment) - static_cast<int64_t>(_timezone));
}

int64_t MonotonicSeconds()
{
    ULONGLONG hundredNanoseconds = 0;
    if (!::QueryUnbiasedInterruptTime(&hundredNanoseconds))
        return static_cast<int64_t>(::GetTickCount64() / 1000);
    return static_cast<int64_t>(hundredNanoseconds / 10'000'000);
}

int64_t BootSeconds()
{
    return static_cast<int64_t>(::GetTickCount64() / 1000);
}

} // namespace toolbox
