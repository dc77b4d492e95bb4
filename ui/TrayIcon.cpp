#include "ui/TrayIcon.h"

#include "res/CommandIds.h"

#include <wx/menu.h>

TrayIcon::TrayIcon(std::function<void()> onRestore, wxEvtHandler& commandTarget)
    : onRestore(std::move(onRestore)), commandTarget(commandTarget)
{
    // GTK reports a click as a press (and a second one as a double-click), never a release.
    Bind(wxEVT_TASKBAR_LEFT_DOWN, [this](wxTaskBarIconEvent&) { this->onRestore(); });
    Bind(wxEVT_MENU, &TrayIcon::OnMenu, this);
}

wxMenu* TrayIcon::CreatePopupMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_OPEN, _("&Restore"));
    menu->Append(res::WxIdOf(res::ID_TODO_PAUSE), _("&Pause"));
    menu->AppendSeparator();
    menu->Append(res::WxIdOf(res::ID_APP_EXIT), _("&Quit"));
    return menu;
}

void TrayIcon::OnMenu(wxCommandEvent& event)
{
    if (event.GetId() == wxID_OPEN)
        return onRestore();
    wxCommandEvent command(wxEVT_MENU, event.GetId());
    commandTarget.ProcessEvent(command);
}
