#include "app/TimeCommands.h"

#include "app/AddTimeForm.h"
#include "app/BookedChange.h"
#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/Prompts.h"
#include "app/RemoveTimeForm.h"
#include "app/Tallydene.h"
#include "app/TransferTimeForm.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

// Adding and removing time are one shape: the selected todo's form, its dialog, the entry in
// the event log and the refreshed todo and project.
template <class Form> void ChangeTime(CommandContext& context, const char* logged)
{
    context.app.BringUpToDate();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    Form form(context.app, *todo);
    if (!context.dialogs.Show(form))
        return;
    context.app.LogEvent(logged, todo->GetName());
    context.RefreshTodoAndProject(*todo);
    context.app.BringUpToDate();
}

} // namespace

void AddTimeCommand(CommandContext& context)
{
    ChangeTime<AddTimeForm>(context, "Added time to a todo");
}

void RemoveTimeCommand(CommandContext& context)
{
    ChangeTime<RemoveTimeForm>(context, "Removed time from a todo");
}

void TransferTimeCommand(CommandContext& context)
{
    context.app.BringUpToDate();
    Todo* selected = context.TodoOfSelection();
    Todo* from = selected;
    Todo* to = nullptr;
    if (Todo* active = context.app.GetActiveTodo())
    {
        from = active;
        to = selected;
    }
    TransferTimeForm form(context.app, from, to, false);
    if (!context.dialogs.Show(form))
        return;
    context.app.LogEvent("Transferred time between todos");
    // OK means the dialog had two todos.
    if (from != nullptr && to != nullptr)
    {
        context.RefreshTodoAndProject(*from);
        context.RefreshTodoAndProject(*to);
    }
    context.app.BringUpToDate();
}

void ZeroTimeCommand(CommandContext& context)
{
    context.app.BringUpToDate();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    if (!context.prompts.AskBeforeDestroying(toolbox::Translation::Tr(
            "Sure to zero the todo's time?\nNote: The project's total time is not adjusted.")))
        return;
    const BookedChange booked(context.app, todo);
    todo->SetTime(0);
    booked.Record(JournalKind::zero);
    context.app.LogEvent("Set todo's time to zero", todo->GetName());
    context.RefreshTodoAndProject(*todo);
    context.app.BringUpToDate();
}
