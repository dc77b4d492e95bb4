#pragma once

#include "app/UtcClock.h"

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

// A clock that tells the time the test set, in UTC.
class FakeUtcClock : public UtcClock
{
public:
    std::tm NowUtc() const override { return now; }

    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        now = UtcMoment(year, month, day, hour, minute, second);
        Normalise();
    }

    // Moves the clock by a number of seconds, backwards when negative.
    void Advance(long long seconds)
    {
        now.tm_sec += static_cast<int>(seconds);
        Normalise();
    }

private:
    void Normalise()
    {
        time_t moment = timegm(&now);
        gmtime_r(&moment, &now);
    }

    std::tm now{};
};
