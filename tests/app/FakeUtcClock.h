#pragma once

#include "app/UtcClock.h"

// A clock that tells the time the test set, in UTC.
class FakeUtcClock : public UtcClock
{
public:
    std::tm NowUtc() const override { return now; }

    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        now = std::tm{};
        now.tm_year = year - 1900;
        now.tm_mon = month - 1;
        now.tm_mday = day;
        now.tm_hour = hour;
        now.tm_min = minute;
        now.tm_sec = second;
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
