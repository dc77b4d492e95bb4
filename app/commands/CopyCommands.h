#pragma once

class CommandContext;

// The selected item's name or time to the clipboard; the item-level ones copy the todo's when
// a todo is selected and the project's when a project is.
void CopyItemNameCommand(CommandContext& context);
void CopyItemTimeCommand(CommandContext& context);
void CopyTodoNameCommand(CommandContext& context);
void CopyTodoTimeCommand(CommandContext& context);
void CopyProjectNameCommand(CommandContext& context);
void CopyProjectTimeCommand(CommandContext& context);
