#pragma once

#include "res/Commands.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <memory>

// The window side of the command tables in res: menus, shortcut keys and tool bar buttons,
// each entry carrying its command id (as res::WxIdOf gives it), its status-bar prompt and its
// picture.

// The main menu bar, every pop-up and entry in table order.
wxMenuBar* CreateMainMenuBar();

// A pop-up menu (a context menu or a sub-menu) from its table.
std::unique_ptr<wxMenu> CreateMenu(const res::MenuSpec& table);

// The shortcut keys of the main window. The frame installs it as its accelerator table, which
// the toolkit consults before the menus' own shortcut texts, so that Ctrl+C, Del, Enter and
// Space reach the commands that act on whatever is selected, not the project-menu or
// todo-menu entries whose labels show the same keys.
wxAcceleratorTable MainAcceleratorTable();

// Adds the buttons, separators, tooltips and status prompts of the main tool bar.
void FillMainToolBar(wxToolBar& toolBar);
