#pragma once

class CommandContext;

// The commands that change the selected todo's time: add, remove, transfer and zero.
void AddTimeCommand(CommandContext& context);
void RemoveTimeCommand(CommandContext& context);
// From the active todo to the selected one; from the selected todo when none is active.
void TransferTimeCommand(CommandContext& context);
void ZeroTimeCommand(CommandContext& context);
