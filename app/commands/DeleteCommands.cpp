#include "app/commands/DeleteCommands.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

std::string Tr(const char* english)
{
    return toolbox::Translation::Tr(english);
}

} // namespace

void DeleteItemCommand(CommandContext& context)
{
    context.ForSelected(DeleteTodoCommand, DeleteProjectCommand);
}

void DeleteTodoCommand(CommandContext& context)
{
    Prompts& prompts = context.prompts;
    Todo* todo = context.RequireTodo();
    if (todo == nullptr)
        return;
    if (context.app.GetActiveTodo() == todo)
    {
        prompts.Refuse(Tr("You cannot delete the currently active todo."));
        return;
    }
    if (!prompts.AskBeforeDestroying(Tr("Are you sure to delete this todo?")))
        return;
    // Any stored comment counts here, a bare line break too, though the icon ignores that one.
    if (!todo->GetComment().empty() &&
        !prompts.AskBeforeDestroying(Tr("This todo has a comment. Still sure?")))
        return;
    context.app.LogEvent("Deleted a todo", todo->GetName());
    context.app.GetLedger().Apply({Change::DeleteTodo(todo->GetId())});
}

void DeleteProjectCommand(CommandContext& context)
{
    Prompts& prompts = context.prompts;
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    if (!project->GetTodos().IsEmpty())
    {
        prompts.Refuse(Tr("Please delete the project's todos first."));
        return;
    }
    if (!prompts.AskBeforeDestroying(Tr("Are you sure to delete this project?")))
        return;
    if (!project->GetComment().empty() &&
        !prompts.AskBeforeDestroying(Tr("This project has a comment. Still sure?")))
        return;
    context.app.LogEvent("Deleted a project", project->GetName());
    context.app.GetLedger().Apply({Change::DeleteProject(project->GetId())});
}
