// The clocks on Windows: the unbiased interrupt time leaves out the time the computer slept,
// the tick count keeps it.
#include "toolbox/SystemTime.h"

#include <windows.h>
// After windows.h:
#include <realtimeapiset.h>

namespace toolbox
{

std::time_t UtcTimeOfFields(std::tm& fields)
{
    return ::_mkgmtime(&fields);
}

int64_t MonotonicSeconds()
{
    ULONGLONG hundredNanoseconds = 0;
    if (!::QueryUnbiasedInterruptTime(&hundredNanoseconds))
        return static_cast<int64_t>(::GetTickCount64() / 1000);
    return static_cast<int64_t>(hundredNanoseconds / 10'000'000);
}

int64_t BootSeconds()
{
    return static_cast<int64_t>(::GetTickCount64() / 1000);
}

} // namespace toolbox
