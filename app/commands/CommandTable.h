#pragma once

#include "app/commands/Command.h"

#include <span>

// Every command the program runs itself, in one table: the menus' and keys' commands of the
// view and of the application. The window's own commands (quit, showing the tool bar and the
// status bar) are not in it.
std::span<const Command> AllCommands();

// The entry with that identifier, or nullptr.
const Command* FindCommand(int id);

// The first entry that runs that function, or nullptr.
const Command* FindCommandRunning(void (*run)(CommandContext& context));
