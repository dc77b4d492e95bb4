#include "app/clock/SystemUtcClock.h"

namespace
{

int64_t SecondsOf(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<int64_t>(now.tv_sec);
}

} // namespace

std::tm SystemUtcClock::NowUtc() const
{
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return utc;
}

int64_t SystemUtcClock::MonotonicSeconds() const
{
    return SecondsOf(CLOCK_MONOTONIC);
}

int64_t SystemUtcClock::BootSeconds() const
{
    return SecondsOf(CLOCK_BOOTTIME);
}
