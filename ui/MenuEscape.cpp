#include "ui/MenuEscape.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <dlfcn.h>

#include <algorithm>

namespace
{

// The toolkit has no call that closes an open menu. GTK is loaded with the toolkit, so its
// calls are looked up there rather than built against GTK's headers.
template <class Function> Function GtkFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// Takes down the menu and, for a menu of the menu bar, the bar's open state with it.
void CloseMenu(wxMenu& menu)
{
    static const auto attachedTo = GtkFunction<void* (*)(void*)>("gtk_menu_get_attach_widget");
    static const auto parentOf = GtkFunction<void* (*)(void*)>("gtk_widget_get_parent");
    static const auto deactivate = GtkFunction<void (*)(void*)>("gtk_menu_shell_deactivate");
    if (attachedTo == nullptr || parentOf == nullptr || deactivate == nullptr ||
        menu.m_menu == nullptr)
        return;
    void* item = attachedTo(menu.m_menu);
    void* bar = item != nullptr ? parentOf(item) : nullptr;
    deactivate(bar != nullptr && menu.GetMenuBar() != nullptr ? bar : menu.m_menu);
}

} // namespace

MenuEscape::MenuEscape(wxFrame& frame)
{
    frame.Bind(wxEVT_MENU_OPEN, &MenuEscape::OnMenuOpen, this);
    frame.Bind(wxEVT_MENU_CLOSE, &MenuEscape::OnMenuClose, this);
    frame.Bind(wxEVT_CHAR_HOOK, &MenuEscape::OnCharHook, this);
}

void MenuEscape::OnMenuOpen(wxMenuEvent& event)
{
    event.Skip();
    if (wxMenu* menu = event.GetMenu())
        openMenus.push_back(menu);
}

void MenuEscape::OnMenuClose(wxMenuEvent& event)
{
    event.Skip();
    openMenus.erase(std::remove(openMenus.begin(), openMenus.end(), event.GetMenu()),
                    openMenus.end());
}

void MenuEscape::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() != WXK_ESCAPE || openMenus.empty())
        return event.Skip();
    // Taken here, so the shortcut table never sees it.
    wxMenu* outermost = openMenus.front();
    openMenus.clear();
    CloseMenu(*outermost);
}
