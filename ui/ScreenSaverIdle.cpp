#include "ui/ScreenSaverIdle.h"

// Last: the X headers define macros (None, Bool, Status) that clash with other headers.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

ScreenSaverIdle::ScreenSaverIdle() : display(XOpenDisplay(nullptr))
{
    int eventBase = 0;
    int errorBase = 0;
    if (display != nullptr && !XScreenSaverQueryExtension(display, &eventBase, &errorBase))
    {
        XCloseDisplay(display);
        display = nullptr;
    }
}

ScreenSaverIdle::~ScreenSaverIdle()
{
    if (display != nullptr)
        XCloseDisplay(display);
}

std::optional<int64_t> ScreenSaverIdle::IdleSeconds() const
{
    if (display == nullptr)
        return std::nullopt;
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    std::optional<int64_t> seconds;
    if (info != nullptr && XScreenSaverQueryInfo(display, DefaultRootWindow(display), info))
        seconds = static_cast<int64_t>(info->idle / 1000);
    XFree(info);
    return seconds;
}
