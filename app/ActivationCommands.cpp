#include "app/ActivationCommands.h"

#include "app/CommandContext.h"
#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"

#include <memory>

namespace
{

// A todo's name is data: it stays the same whatever the user's language.
const char* const kMiscTodoName = "Miscellaneous";

Todo& MiscTodoOf(CommandContext& context, Project& project)
{
    for (Todo* todo : project.GetTodos())
        if (todo->GetName() == kMiscTodoName)
            return *todo;
    auto created = std::make_unique<Todo>(&project);
    created->SetName(kMiscTodoName);
    Todo& misc = *created;
    project.GetTodos().Append(std::move(created));
    context.app.LogEvent("Created the misc todo");
    misc.InsertIntoTree(context.Window().GetTree(), context.app);
    project.ResortTodos(context.app);
    return misc;
}

void ActivateMiscTodo(CommandContext& context)
{
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    Todo& misc = MiscTodoOf(context, *project);
    context.app.Activate(misc);
    context.app.LogEvent("Activated the misc todo");
    misc.Refresh(context.app);
    context.Select(misc);
    context.app.BringUpToDate();
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
    todo->Refresh(context.app);
    context.app.BringUpToDate();
}

void PauseCommand(CommandContext& context)
{
    context.app.Pause();
    context.app.LogEvent("Paused");
}
