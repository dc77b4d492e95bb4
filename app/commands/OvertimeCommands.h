#pragma once

class CommandContext;

// The overtime account: set to zero, set to today's target, or edited with the working hours.
// Each does nothing while the account is off.
void ZeroOvertimeCommand(CommandContext& context);
void OvertimeToTodaysTargetCommand(CommandContext& context);
void WorkingHoursCommand(CommandContext& context);
