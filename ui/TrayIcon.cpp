#include "ui/TrayIcon.h"

TrayIcon::TrayIcon(std::function<void()> onLeftClick) : onLeftClick(std::move(onLeftClick))
{
    Bind(wxEVT_TASKBAR_LEFT_UP, [this](wxTaskBarIconEvent&) { this->onLeftClick(); });
}
