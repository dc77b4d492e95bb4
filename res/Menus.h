#pragma once

#include <span>

namespace res
{

struct MenuSpec;

// No menu image on an entry.
inline constexpr int kNoMenuImage = -1;

// One entry of a menu: a command, a sub-menu, or a separator. The label carries the mnemonic
// ("&") and, after "\t", the text of the shortcut key; the keys themselves come from the
// accelerator table, the label only shows them.
struct MenuItemSpec
{
    int id;                  // the command; 0 for a separator or a sub-menu
    const char* label;       // nullptr for a separator
    int image;               // index of the menu image (see MenuImageIcon), or kNoMenuImage
    const MenuSpec* submenu; // the sub-menu this entry opens, or nullptr

    constexpr bool IsSeparator() const { return label == nullptr; }
};

// A pop-up menu: its title (as shown in the menu bar; empty for a context menu) and entries.
struct MenuSpec
{
    const char* title;
    std::span<const MenuItemSpec> items;
};

// The pop-ups of the main menu bar, left to right.
std::span<const MenuSpec> MainMenuBar();

// Position of the "&Overtime" pop-up in the menu bar, which is greyed as a whole while the
// working-time account is off.
inline constexpr int kOvertimeMenuPosition = 3;

// The "&Set Priority" sub-menu, used in the main menu and in the todo context menu.
const MenuSpec& SetPriorityMenu();

// The context menus of the tree.
const MenuSpec& ProjectContextMenu();
const MenuSpec& TodoContextMenu();

} // namespace res
