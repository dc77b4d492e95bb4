// The clocks on POSIX: CLOCK_MONOTONIC stands still in a suspend, CLOCK_BOOTTIME does not.
#include "toolbox/SystemTime.h"

#include <time.h>

namespace toolbox
{

namespace
{

int64_t SecondsOf(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<int64_t>(now.tv_sec);
}

} // namespace

std::time_t UtcTimeOfFields(std::tm& fields)
{
    return timegm(&fields);
}

std::tm UtcFieldsOf(std::time_t moment)
{
    std::tm fields{};
    gmtime_r(&moment, &fields);
    return fields;
}

std::tm LocalFieldsOf(std::time_t moment)
{
    std::tm fields{};
    localtime_r(&moment, &fields);
    return fields;
}

int64_t MonotonicSeconds()
{
    return SecondsOf(CLOCK_MONOTONIC);
}

int64_t BootSeconds()
{
    return SecondsOf(CLOCK_BOOTTIME);
}

} // namespace toolbox
