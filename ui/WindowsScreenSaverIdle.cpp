// The desktop's idle time on Windows: the time since the last input of the session, from
// GetLastInputInfo. The tick count it is measured in wraps after 49.7 days, which the unsigned
// difference takes in its stride.
#include "ui/ScreenSaverIdle.h"

#include <windows.h>

ScreenSaverIdle::ScreenSaverIdle() = default;

ScreenSaverIdle::~ScreenSaverIdle() = default;

std::optional<int64_t> ScreenSaverIdle::IdleSeconds() const
{
    LASTINPUTINFO last{};
    last.cbSize = sizeof last;
    if (!::GetLastInputInfo(&last))
        return std::nullopt;
    const DWORD idle = ::GetTickCount() - last.dwTime;
    return static_cast<int64_t>(idle / 1000);
}
