#include "app/commands/TimeCommands.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/forms/AddTimeForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/TransferTimeForm.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

// Adding and removing time are one shape: the selected todo's form, its dialog and the entry
// in the event log.
template <class Form> void ChangeTime(CommandContext& context, const char* logged)
{
    context.app.GetLedger().BookClock();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    Form form(context.app, *todo);
    if (!context.dialogs.Show(form))
        return;
    context.app.LogEvent(logged, todo->GetName());
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
    context.app.GetLedger().BookClock();
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
}

void ZeroTimeCommand(CommandContext& context)
{
    context.app.GetLedger().BookClock();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    if (!context.prompts.AskBeforeDestroying(toolbox::Translation::Tr(
            "Sure to zero the todo's time?\nNote: The project's total time is not adjusted.")))
        return;
    context.app.LogEvent("Set todo's time to zero", todo->GetName());
    context.app.GetLedger().Apply(
        {Change::Time(JournalKind::zero, todo->GetId(), {}, -int64_t{todo->GetTime()}, 0, 0)});
}
