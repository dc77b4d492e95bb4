#pragma once

#include <cstdint>
#include <ctime>

// Where the application reads the time: the wall clock in UTC for the calendar and the logs,
// and two counters for the time that passed. The running program uses the system's clocks;
// tests set the time they need.
class UtcClock
{
public:
    virtual ~UtcClock() = default;
    // Year since 1900, month 0 to 11, day 1 to 31, hour, minute and second, as std::gmtime.
    virtual std::tm NowUtc() const = 0;
    // Seconds that only move forward and stand still while the machine sleeps: the time the
    // machine was awake. Setting the wall clock moves neither counter.
    virtual int64_t MonotonicSeconds() const = 0;
    // Seconds that move forward also while the machine sleeps.
    virtual int64_t BootSeconds() const = 0;
};
