#include "app/TodoCommands.h"

#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "app/TodoForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"

#include <memory>
#include <string>

void NewTodoCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    auto created = std::make_unique<Todo>(project);
    TodoForm form(app, *created);
    if (!context.dialogs.Show(form))
        return;
    Todo& todo = *created;
    project->GetTodos().Append(std::move(created));
    app.LogEvent("Created a new todo", todo.GetName());
    todo.InsertIntoTree(context.Window().GetTree(), app);
    project->Refresh(app);
    project->ResortTodos(app);
    context.Select(todo);
    app.BringUpToDate();
}

void TodoPropertiesCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    app.BringUpToDate();
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    TodoForm form(app, *todo);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set todo's properties", todo->GetName());
    if (app.GetActiveTodo() == todo)
        context.Window().SetDocumentTitle(todo->GetName());
    todo->GetProject()->Refresh(app);
    todo->GetProject()->ResortTodos(app);
    context.Select(*todo);
    app.BringUpToDate();
}

void SetCompletedCommand(CommandContext& context)
{
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    todo->SetPriority(kPriorityCompleted);
    context.app.LogEvent("Set todo to completed", todo->GetName());
    todo->GetProject()->ResortTodos(context.app);
    context.Select(*todo);
}

void SetPriorityCommand(CommandContext& context)
{
    const int priority = context.commandId - res::ID_TODO_PRIORITY_1;
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    todo->SetPriority(priority);
    context.app.LogEvent("Set todo's priority to " + std::to_string(priority + 1));
    todo->GetProject()->ResortTodos(context.app);
    context.Select(*todo);
    context.app.BringUpToDate();
}
