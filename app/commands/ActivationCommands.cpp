#include "app/commands/ActivationCommands.h"

#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"

namespace
{

// A todo's name is data: it stays the same whatever the user's language.
const char* const kMiscTodoName = "Miscellaneous";

Todo& MiscTodoOf(CommandContext& context, Project& project)
{
    for (Todo* todo : project.GetTodos())
        if (todo->GetName() == kMiscTodoName)
            return *todo;
    Todo made(&project);
    made.SetName(kMiscTodoName);
    context.app.LogEvent("Created the misc todo");
    Ledger& ledger = context.app.GetLedger();
    ledger.Apply({Change::NewTodo(project.GetId(), Ledger::ContentOf(made))});
    return *ledger.FindTodo(made.GetId());
}

void ActivateMiscTodo(CommandContext& context)
{
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    Todo& misc = MiscTodoOf(context, *project);
    context.app.Activate(misc);
    context.app.LogEvent("Activated the misc todo");
    context.Select(misc);
    // Also when it ran already: the clock and the status line are brought up to date.
    context.app.GetLedger().BookClock();
}

} // namespace

void ActivateItemCommand(CommandContext& context)
{
    context.ForSelected(ActivateTodoCommand, ActivateMiscTodo);
}

void ActivateTodoCommand(CommandContext& context)
{
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    context.app.Activate(*todo);
    context.app.LogEvent("Activated a todo", todo->GetName());
    context.app.GetLedger().BookClock();
}

void PauseCommand(CommandContext& context)
{
    context.app.Pause();
    context.app.LogEvent("Paused");
}
