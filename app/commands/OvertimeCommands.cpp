#include "app/commands/OvertimeCommands.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/clock/ClockValue.h"
#include "app/clock/DayCharging.h"
#include "app/commands/CommandContext.h"
#include "app/forms/Dialogs.h"
#include "app/forms/WorkingTimeForm.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "toolbox/Translation.h"

#include <string>

// The ledger books the clock before it sets the balance, so that time booked before the change
// does not land on the new balance, and a day that began since the last tick is charged before
// the balance is set rather than after.
void ZeroOvertimeCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!context.prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to zero?")))
        return;
    app.LogEvent("Set actual working time", "0");
    app.GetLedger().Apply({Change::BalanceSet(JournalKind::overtime, 0)});
}

void OvertimeToTodaysTargetCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!context.prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to today's target?")))
        return;
    // The day the targets are charged by, so the balance matches the day being charged.
    const int32_t target = app.GetOvertimeAccount().GetTarget(
        WeekdayOf(DayCharging::DayOf(app.GetOptions(), app.Now())));
    app.LogEvent("Set actual working time", std::to_string(target));
    app.GetLedger().Apply({Change::BalanceSet(JournalKind::overtime, target)});
}

void WorkingHoursCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    app.GetLedger().BookClock();
    WorkingTimeForm form(app);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set actual working time", std::to_string(app.GetOvertimeAccount().GetBalance()));
}
