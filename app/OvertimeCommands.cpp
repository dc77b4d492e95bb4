#include "app/OvertimeCommands.h"

#include "app/BookedChange.h"
#include "app/ClockValue.h"
#include "app/CommandContext.h"
#include "app/DayCharging.h"
#include "app/Dialogs.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/WorkingTimeForm.h"
#include "toolbox/Translation.h"

#include <string>

// The overtime commands first bring the clock up to date, so that time booked before the
// change does not land on the new balance, and a day that began since the last tick is charged
// before the balance is set rather than after.

void ZeroOvertimeCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!context.prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to zero?")))
        return;
    app.BringUpToDate();
    const BookedChange booked(app, nullptr);
    app.GetOvertimeAccount().SetBalance(0);
    booked.Record(JournalKind::overtime);
    app.LogEvent("Set actual working time", "0");
    app.BringUpToDate();
}

void OvertimeToTodaysTargetCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    if (!context.prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to set the actual working time to today's target?")))
        return;
    app.BringUpToDate();
    const BookedChange booked(app, nullptr);
    OvertimeAccount& account = app.GetOvertimeAccount();
    // The day the targets are charged by, so the balance matches the day being charged.
    account.SetBalance(
        account.GetTarget(WeekdayOf(DayCharging::DayOf(app.GetOptions(), app.Now()))));
    booked.Record(JournalKind::overtime);
    app.LogEvent("Set actual working time", std::to_string(account.GetBalance()));
    app.BringUpToDate();
}

void WorkingHoursCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (!app.GetOptions().IsWorkingTimeEnabled())
        return;
    app.BringUpToDate();
    WorkingTimeForm form(app);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set actual working time", std::to_string(app.GetOvertimeAccount().GetBalance()));
    app.BringUpToDate();
}
