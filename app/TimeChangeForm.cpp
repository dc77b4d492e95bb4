#include "app/TimeChangeForm.h"

#include "app/BookedChange.h"
#include "app/Tallydene.h"
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
    const BookedChange booked(app, &todo);
    todo.AddTime(change);
    // Unchecked, the total still rises to the todos' sum where the todo's gain passes it.
    todo.GetProject()->AddTime(adjustProject ? change : 0);
    // The box says nothing while overtime is off: the balance stays as it is.
    if (app.GetOptions().IsWorkingTimeEnabled() && adjustOvertime)
        app.GetOvertimeAccount().Credit(change);
    booked.Record(journalKind);
}
