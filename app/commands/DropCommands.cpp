#include "app/commands/DropCommands.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/commands/DropRule.h"
#include "app/forms/Dialogs.h"
#include "app/forms/TransferTimeForm.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

void TransferOnDrop(CommandContext& context, Todo& from, Todo& to)
{
    Todo* fromTodo = &from;
    Todo* toTodo = &to;
    TransferTimeForm form(context.app, fromTodo, toTodo, true);
    if (!context.dialogs.Show(form))
        return;
    context.app.LogEvent("Transferred time between todos");
}

void MoveTodo(CommandContext& context, Todo& todo, Project& target)
{
    Tallydene& app = context.app;
    for (const Todo* other : target.GetTodos())
    {
        if (other->GetName() == todo.GetName())
        {
            context.prompts.Refuse(
                toolbox::Translation::Tr("A todo with this name already exists."));
            return;
        }
    }
    app.LogEvent("Moved a todo", todo.GetName());
    app.GetLedger().Apply({Change::Move(todo.GetId(), target.GetId())});
    // Show the todo where it landed, revealing it in a collapsed project.
    context.Select(todo);
}

} // namespace

void DropTodo(CommandContext& context, Todo& dragged, TreeItem& target)
{
    if (!TakesDrop(dragged, &target))
        return;
    if (target.IsTodo())
        TransferOnDrop(context, dragged, static_cast<Todo&>(target));
    else
        MoveTodo(context, dragged, static_cast<Project&>(target));
}
