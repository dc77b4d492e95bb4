#include "ui/TrayIcon.h"

#include "res/Commands.h"
#include "ui/WxText.h"

#include <wx/menu.h>

namespace
{

// Not the stock Open, whose Ctrl+O the toolkit would show beside it: the icon has no keys.
constexpr int kRestoreId = wxID_HIGHEST + 1;

} // namespace

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
    menu->Append(kRestoreId, _("&Restore"));
    // The command's own label, without the key: the icon has none.
    menu->Append(res::WxIdOf(res::ID_TODO_PAUSE),
                 wxGetTranslation(ToWx(res::FindCommandDescription(res::ID_TODO_PAUSE)->label)));
    menu->AppendSeparator();
    menu->Append(res::WxIdOf(res::ID_APP_EXIT), _("&Quit"));
    return menu;
}

void TrayIcon::OnMenu(wxCommandEvent& event)
{
    if (event.GetId() == kRestoreId)
        return onRestore();
    wxCommandEvent command(wxEVT_MENU, event.GetId());
    commandTarget.ProcessEvent(command);
}
