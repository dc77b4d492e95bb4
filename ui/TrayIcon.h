#pragma once

#include <wx/taskbar.h>

#include <functional>

// The notification-area icon of the hidden main window. It has no menu; releasing the left
// mouse button over it calls the given function, which brings the window back.
class TrayIcon : public wxTaskBarIcon
{
public:
    explicit TrayIcon(std::function<void()> onLeftClick);

private:
    // Without a menu the toolkit shows none on a right click.
    wxMenu* CreatePopupMenu() override { return nullptr; }

    std::function<void()> onLeftClick;
};
