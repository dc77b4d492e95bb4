#pragma once

#include <vector>

class wxFrame;
class wxKeyEvent;
class wxMenu;
class wxMenuEvent;

// Esc while one of the frame's menus is open closes the menu and does nothing else. Where the
// menu did not get the keyboard (GTK under some window managers), the key would otherwise
// reach the frame's shortcut table and pause the running todo behind the open menu. Esc in a
// sub-menu closes only the sub-menu.
class MenuEscape
{
public:
    explicit MenuEscape(wxFrame& frame);

private:
    void OnMenuOpen(wxMenuEvent& event);
    void OnMenuClose(wxMenuEvent& event);
    void OnCharHook(wxKeyEvent& event);

    // The open menus, the outermost first.
    std::vector<wxMenu*> openMenus;
    // The frame's sub-menus (they live as long as it) whose Esc closes only them.
    std::vector<wxMenu*> subMenusTakingEscape;
};
