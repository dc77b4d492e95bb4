// Esc in menus on Windows. The system's own menu loop takes the keyboard while a menu is open:
// Esc closes a sub-menu alone and the menu bar's menu after it, and the frame's shortcut table
// sees nothing. Should the frame still get Esc with a menu open (a menu opened without the
// keyboard), it is taken here and the menu ended, so that the todo behind it is not paused.
#include "ui/MenuEscape.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <algorithm>
#include <windows.h>

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
    openMenus.pop_back();
    if (openMenus.empty())
        ::EndMenu();
}
