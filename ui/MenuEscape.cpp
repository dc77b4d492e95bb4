#include "ui/MenuEscape.h"

#include "ui/GtkFunction.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <algorithm>

namespace
{

// The toolkit has no call that closes an open menu: GTK's own do it.

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

// Takes down a sub-menu alone, as the Left key does; the menu it came from stays open with the
// sub-menu's entry selected.
void LeaveSubMenu(void* gtkMenu)
{
    constexpr int kToParent = 0; // GTK_MENU_DIR_PARENT
    static const auto emit =
        GtkFunction<void (*)(void*, const char*, ...)>("g_signal_emit_by_name");
    static const auto popDown = GtkFunction<void (*)(void*)>("gtk_menu_popdown");
    if (emit == nullptr || popDown == nullptr)
        return;
    emit(gtkMenu, "move-current", kToParent);
    popDown(gtkMenu);
}

// GTK's own Esc in a menu that has the keyboard takes down the whole menu; in a sub-menu it is
// taken here first.
int OnSubMenuKey(void* gtkMenu, void* keyEvent, void*)
{
    constexpr unsigned kEscape = 0xff1b; // GDK_KEY_Escape
    static const auto keyvalOf = GtkFunction<int (*)(void*, unsigned*)>("gdk_event_get_keyval");
    unsigned key = 0;
    if (keyvalOf == nullptr || !keyvalOf(keyEvent, &key) || key != kEscape)
        return 0;
    LeaveSubMenu(gtkMenu);
    return 1;
}

void TakeEscapeIn(wxMenu& subMenu)
{
    using Callback = int (*)(void*, void*, void*);
    static const auto connect =
        GtkFunction<unsigned long (*)(void*, const char*, Callback, void*, void*, int)>(
            "g_signal_connect_data");
    if (connect != nullptr && subMenu.m_menu != nullptr)
        connect(subMenu.m_menu, "key-press-event", &OnSubMenuKey, nullptr, nullptr, 0);
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
    wxMenu* menu = event.GetMenu();
    if (menu == nullptr)
        return;
    if (menu->GetParent() != nullptr &&
        std::find(subMenusTakingEscape.begin(), subMenusTakingEscape.end(), menu) ==
            subMenusTakingEscape.end())
    {
        TakeEscapeIn(*menu);
        subMenusTakingEscape.push_back(menu);
    }
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
    // Taken here, so the shortcut table never sees it. In a sub-menu only the sub-menu closes.
    wxMenu* innermost = openMenus.back();
    if (openMenus.size() > 1 && innermost->m_menu != nullptr)
        return LeaveSubMenu(innermost->m_menu);
    openMenus.clear();
    CloseMenu(*innermost);
}
