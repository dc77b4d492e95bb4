#include "app/forms/TimeChangeForm.h"

#include "app/Tallydene.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

TimeChangeForm::TimeChangeForm(Tallydene& app, Todo& todo) : app(app), todo(todo) {}

void TimeChangeForm::Open()
{
    todoLine = toolbox::Translation::TrFormat("Todo: %s", {todo.GetName()});
    currentTimeLine = toolbox::Translation::TrFormat(
        "Current time: %s", {app.GetDurations().FormatForDialog(todo.GetTime())});
    amount.clear();
    hint = app.GetDurations().DurationHint();
    adjustProject = true;
    overtimeEditable = app.GetOptions().IsWorkingTimeEnabled();
    adjustOvertime = overtimeEditable;
}

void TimeChangeForm::Apply(int64_t change, const char* journalKind)
{
    // Unchecked, the total still rises to the todos' sum where the todo's gain passes it. The
    // overtime box says nothing while overtime is off: the balance stays as it is.
    const bool overtime = app.GetOptions().IsWorkingTimeEnabled() && adjustOvertime;
    app.GetLedger().Apply({Change::Time(journalKind, todo.GetId(), {}, change,
                                        adjustProject ? change : 0, overtime ? change : 0)});
}
