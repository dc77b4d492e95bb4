#pragma once

class CommandContext;

// Going back to the data of an earlier day from its dated backup, while the clock is paused.
void RestoreFromBackupCommand(CommandContext& context);
