#pragma once

class CommandContext;

// A new todo in the selected project, and the properties and priority of the selected todo.
void NewTodoCommand(CommandContext& context);
void TodoPropertiesCommand(CommandContext& context);
void SetCompletedCommand(CommandContext& context);
// The priority that the command's identifier names, from the first to the fifth.
void SetPriorityCommand(CommandContext& context);
