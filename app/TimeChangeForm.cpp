#include "app/TimeChangeForm.h"

#include "app/BookedChange.h"
#include "app/SaturatedDuration.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

TimeChangeForm::TimeChangeForm(Tallydene& app, Todo& todo) : app(app), todo(todo) {}

void TimeChangeForm::Open()
{
    todoLine = toolbox::Translation::TrFormat("Todo: %s", {todo.GetName()});
    currentTimeLine =
        toolbox::Translation::TrFormat("Current time: %s", {app.FormatForDialog(todo.GetTime())});
    amount.clear();
    hint = app.GetDurations().DurationHint();
    adjustProject = true;
    overtimeEditable = app.IsWorkingTimeEnabled();
    adjustOvertime = overtimeEditable;
}

void TimeChangeForm::Apply(int64_t change, const char* journalKind)
{
    const BookedChange booked(app, &todo);
    todo.SetTime(SaturatedDuration(todo.GetTime() + change));
    // Unchecked, the total still rises to the todos' sum where the todo's gain passes it.
    Project& project = *todo.GetProject();
    project.SetTotalTime(SaturatedDuration(project.GetTotalTime() + (adjustProject ? change : 0)));
    // The box says nothing while overtime is off: the balance stays as it is.
    if (app.IsWorkingTimeEnabled() && adjustOvertime)
        app.SetOvertimeBalance(SaturatedDuration(app.GetOvertimeBalance() + change));
    booked.Record(journalKind);
}
