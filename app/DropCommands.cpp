#include "app/DropCommands.h"

#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/DropRule.h"
#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/TransferTimeForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
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
    context.RefreshTodoAndProject(from);
    context.RefreshTodoAndProject(to);
    context.app.BringUpToDate();
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
    Project& source = *todo.GetProject();
    TreeControl& tree = context.Window().GetTree();
    app.LogEvent("Moved a todo", todo.GetName());
    app.GetJournal().Record(
        {JournalKind::move, 0, 0, 0, 0, 0, source.GetName(), todo.GetName(), target.GetName()},
        app.Now());
    tree.DeleteNode(tree.NodeOf(todo));
    // The todo itself lives on, so an active todo stays active in its new project.
    target.GetTodos().Append(source.GetTodos().Remove(&todo));
    todo.SetProject(&target);
    // The old project keeps the time booked there; the new one holds at least its todos' sum
    // at once, as it would after the next load.
    target.SetTotalTime(target.GetTotalTime());
    todo.InsertIntoTree(tree, app);
    target.ResortTodos(app);
    source.Refresh(app);
    target.Refresh(app);
    // Show the todo where it landed, revealing it in a collapsed project.
    context.Select(todo);
    app.BringUpToDate();
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
