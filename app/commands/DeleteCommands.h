#pragma once

class CommandContext;

// Deleting the selected todo or project, each after its questions; the item-level one deletes
// whichever is selected.
void DeleteItemCommand(CommandContext& context);
void DeleteTodoCommand(CommandContext& context);
void DeleteProjectCommand(CommandContext& context);
