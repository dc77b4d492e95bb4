#pragma once

#include "app/clock/UtcClock.h"

#include <ctime>

// The calendar moment as the C library holds it, in UTC; not normalised.
inline std::tm UtcMoment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    std::tm moment{};
    moment.tm_year = year - 1900;
    moment.tm_mon = month - 1;
    moment.tm_mday = day;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    moment.tm_sec = second;
    return moment;
}

// The three clocks a test sets: the wall clock in UTC, and the awake and boot counters. Set and
// Advance are time that passes with the machine awake when they move forward; moved back, only
// the wall clock goes back, as when the user sets it.
class FakeUtcClock : public UtcClock
{
public:
    std::tm NowUtc() const override { return now; }
    int64_t MonotonicSeconds() const override { return monotonic; }
    int64_t BootSeconds() const override { return boot; }

    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        const bool first = !set;
        const time_t before = timegm(&now);
        now = UtcMoment(year, month, day, hour, minute, second);
        Normalise();
        if (!first)
            Pass(timegm(&now) - before);
    }

    // Moves the clock by a number of seconds, backwards when negative.
    void Advance(long long seconds)
    {
        MoveWallClock(seconds);
        Pass(seconds);
    }

    // The machine sleeps for the seconds: the wall clock and the boot counter move on.
    void Suspend(long long seconds)
    {
        MoveWallClock(seconds);
        boot += seconds;
    }

    // The wall clock alone moves, as when the user or a time service sets it.
    void MoveWallClock(long long seconds)
    {
        now.tm_sec += static_cast<int>(seconds);
        Normalise();
    }

private:
    void Pass(long long seconds)
    {
        if (seconds <= 0)
            return;
        monotonic += seconds;
        boot += seconds;
    }

    void Normalise()
    {
        set = true;
        time_t moment = timegm(&now);
        gmtime_r(&moment, &now);
    }

    std::tm now{};
    bool set = false;
    int64_t monotonic = 5000;
    int64_t boot = 5000;
};
