#include "app/SystemUtcClock.h"

std::tm SystemUtcClock::NowUtc() const
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return utc;
}
