#pragma once

class CommandContext;

// The options, and the clean-up that zeroes the todos' clocks or deletes the completed todos.
void OptionsCommand(CommandContext& context);
void CleanUpCommand(CommandContext& context);
