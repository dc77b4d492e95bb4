#pragma once

class CommandContext;

// A new todo in the selected project, and the properties and priority of the selected todo.
void NewTodoCommand(CommandContext& context);
void TodoPropertiesCommand(CommandContext& context);
void SetCompletedCommand(CommandContext& context);
// Gives the selected todo a priority from 0 (urgent) to 4 (nice to have); each of the five
// priority commands runs it with its own.
void SetPriority(CommandContext& context, int priority);
template <int kPriority> void SetPriorityCommand(CommandContext& context)
{
    SetPriority(context, kPriority);
}
