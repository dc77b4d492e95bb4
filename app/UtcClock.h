#pragma once

#include <ctime>

// Where the application reads the current date and time, in UTC. The running program uses the
// system's clock; tests set the time they need.
class UtcClock
{
public:
    virtual ~UtcClock() = default;
    // Year since 1900, month 0 to 11, day 1 to 31, hour, minute and second, as std::gmtime.
    virtual std::tm NowUtc() const = 0;
};
