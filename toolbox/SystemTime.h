#pragma once

#include <cstdint>
#include <ctime>

namespace toolbox
{

// The system's clocks and the conversions the C library names differently on each system.

// The moment the fields name in UTC (timegm; _mkgmtime on Windows); -1 when out of range.
std::time_t UtcTimeOfFields(std::tm& fields);

// Seconds that only move forward and stand still while the computer sleeps.
int64_t MonotonicSeconds();

// Seconds since the computer started, its sleep included.
int64_t BootSeconds();

} // namespace toolbox
