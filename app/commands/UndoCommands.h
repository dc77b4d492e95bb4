#pragma once

class CommandContext;

// Taking back the last data-changing command, and doing an undone one again.
void UndoCommand(CommandContext& context);
void RedoCommand(CommandContext& context);
