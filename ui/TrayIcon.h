#pragma once

#include <wx/taskbar.h>

#include <functional>

// The notification-area icon of the hidden main window. A click on it brings the window back;
// its menu offers Restore, Pause and Quit, the last two as the window's own commands.
class TrayIcon : public wxTaskBarIcon
{
public:
    // onRestore brings the window back; the menu's commands go to commandTarget.
    TrayIcon(std::function<void()> onRestore, wxEvtHandler& commandTarget);

    wxMenu* CreatePopupMenu() override;

private:
    void OnMenu(wxCommandEvent& event);

    std::function<void()> onRestore;
    wxEvtHandler& commandTarget;
};
