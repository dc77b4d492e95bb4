#include "app/commands/TodoCommands.h"

#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/forms/Dialogs.h"
#include "app/forms/TodoForm.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"

#include <string>

void NewTodoCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    // The form fills a todo of its own, which the ledger then makes in the project.
    Todo made(project);
    TodoForm form(app, made);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Created a new todo", made.GetName());
    Ledger& ledger = app.GetLedger();
    ledger.Apply({Change::NewTodo(project->GetId(), Ledger::ContentOf(made))});
    if (const Todo* todo = ledger.FindTodo(made.GetId()))
        context.Select(*todo);
}

void TodoPropertiesCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    app.GetLedger().BookClock();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    TodoForm form(app, *todo);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set todo's properties", todo->GetName());
    context.Select(*todo);
}

void SetCompletedCommand(CommandContext& context)
{
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    context.app.LogEvent("Set todo to completed", todo->GetName());
    context.app.GetLedger().Apply({Change::Priority(todo->GetId(), kPriorityCompleted)});
    context.Select(*todo);
}

void SetPriority(CommandContext& context, int priority)
{
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    context.app.LogEvent("Set todo's priority to " + std::to_string(priority + 1));
    context.app.GetLedger().Apply({Change::Priority(todo->GetId(), priority)});
    context.Select(*todo);
}
