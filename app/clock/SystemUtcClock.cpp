#include "app/clock/SystemUtcClock.h"

#include "toolbox/SystemTime.h"

std::tm SystemUtcClock::NowUtc() const
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return utc;
}

int64_t SystemUtcClock::MonotonicSeconds() const
{
    return toolbox::MonotonicSeconds();
}

int64_t SystemUtcClock::BootSeconds() const
{
    return toolbox::BootSeconds();
}
