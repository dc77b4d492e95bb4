#pragma once

class CommandContext;

// The History window: the sessions worked, whose times it corrects and which it removes, each
// change applied and saved at once.
void HistoryCommand(CommandContext& context);
