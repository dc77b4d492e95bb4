#pragma once

#include "app/clock/IdleSource.h"

struct _XDisplay;

// The desktop's idle time from the X server's screen-saver extension, over a connection of its
// own. Without an X display or without the extension it cannot tell, and idle detection is
// off.
class ScreenSaverIdle : public IdleSource
{
public:
    ScreenSaverIdle();
    ~ScreenSaverIdle() override;
    ScreenSaverIdle(const ScreenSaverIdle&) = delete;
    ScreenSaverIdle& operator=(const ScreenSaverIdle&) = delete;

    std::optional<int64_t> IdleSeconds() const override;

private:
    _XDisplay* display = nullptr;
};
