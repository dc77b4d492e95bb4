#pragma once

class CommandContext;

// Which todo the clock runs for. Activating a project runs the clock for its "Miscellaneous"
// todo, which is made at once when the project has none.
void ActivateItemCommand(CommandContext& context);
void ActivateTodoCommand(CommandContext& context);
void PauseCommand(CommandContext& context);
