#pragma once

class CommandContext;

// The Report window: the time booked in a day, a week or a month, per project and todo and
// per day against the day's target.
void ReportCommand(CommandContext& context);
