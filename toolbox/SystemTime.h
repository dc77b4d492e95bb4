#pragma once

#include <cstdint>
#include <ctime>

namespace toolbox
{

// The system's clocks and the conversions the C library names differently on each system.

// The moment the fields name in UTC (timegm; _mkgmtime on Windows); -1 when out of range.
std::time_t UtcTimeOfFields(std::tm& fields);

// The UTC and the local date and time of a moment (gmtime_r and localtime_r), also for moments
// before 1970, which the Windows C runtime refuses: there they are counted out by the calendar,
// and local time takes the zone's standard offset.
std::tm UtcFieldsOf(std::time_t moment);
std::tm LocalFieldsOf(std::time_t moment);

// Seconds that only move forward and stand still while the computer sleeps.
int64_t MonotonicSeconds();

// Seconds since the computer started, its sleep included.
int64_t BootSeconds();

} // namespace toolbox
