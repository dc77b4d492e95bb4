#include "app/ViewCommands.h"

#include "app/AddTimeForm.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ProjectForm.h"
#include "app/Prompts.h"
#include "app/RemoveTimeForm.h"
#include "app/Tallydene.h"
#include "app/TodoForm.h"
#include "app/TransferTimeForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
#include "res/CommandIds.h"

#include <memory>
#include <string>

namespace
{

const char* const kSelectProject = "Please select a project first.";
const char* const kSelectTodo = "Please select a todo first.";
const char* const kDeleteTodosFirst = "Please delete the project's todos first.";
const char* const kSureDeleteProject = "Are you sure to delete this project?";
const char* const kProjectHasComment = "This project has a comment. Still sure?";
const char* const kActiveTodoNotDeleted = "You cannot delete the currently active todo.";
const char* const kSureDeleteTodo = "Are you sure to delete this todo?";
const char* const kTodoHasComment = "This todo has a comment. Still sure?";
const char* const kSureZeroTime =
    "Sure to zero the todo's time?\nNote: The project's total time is not adjusted.";
const char* const kTodoNameTaken = "A todo with this name already exists.";

const char* const kMiscTodoName = "Miscellaneous";

} // namespace

ViewCommands::ViewCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs)
    : app(app), prompts(prompts), dialogs(dialogs)
{
}

bool ViewCommands::Execute(int commandId)
{
    if (app.GetMainWindow() == nullptr)
        return false;
    const bool handled = Dispatch(commandId);
    app.FinishCommand();
    return handled;
}

bool ViewCommands::Dispatch(int commandId)
{
    switch (commandId)
    {
    // The deletes leave the focus where it is; every other command gives it to the tree.
    case res::ID_ITEM_DELETE:
        ForSelected(&ViewCommands::DeleteTodo, &ViewCommands::DeleteProject);
        return true;
    case res::ID_TODO_DELETE:
        DeleteTodo();
        return true;
    case res::ID_PROJECT_DELETE:
        DeleteProject();
        return true;

    case res::ID_ITEM_ACTIVATE:
        ForSelected(&ViewCommands::ActivateTodo, &ViewCommands::MiscTodo);
        break;
    case res::ID_ITEM_COPY_NAME:
        ForSelected(&ViewCommands::CopyTodoName, &ViewCommands::CopyProjectName);
        break;
    case res::ID_ITEM_COPY_TIME:
        ForSelected(&ViewCommands::CopyTodoTime, &ViewCommands::CopyProjectTime);
        break;
    case res::ID_ITEM_PROPERTIES:
        ForSelected(&ViewCommands::TodoProperties, &ViewCommands::ProjectProperties);
        break;
    case res::ID_PROJECT_COPY_NAME:
        CopyProjectName();
        break;
    case res::ID_PROJECT_COPY_TIME:
        CopyProjectTime();
        break;
    case res::ID_PROJECT_PROPERTIES:
        ProjectProperties();
        break;
    case res::ID_TODO_ACTIVATE:
        ActivateTodo();
        break;
    case res::ID_TODO_ADD_TIME:
        AddTime();
        break;
    case res::ID_TODO_COMPLETED:
        SetCompleted();
        break;
    case res::ID_TODO_COPY_NAME:
        CopyTodoName();
        break;
    case res::ID_TODO_COPY_TIME:
        CopyTodoTime();
        break;
    case res::ID_TODO_NEW:
        NewTodo();
        break;
    case res::ID_TODO_PAUSE:
        Pause();
        break;
    case res::ID_TODO_PROPERTIES:
        TodoProperties();
        break;
    case res::ID_TODO_REMOVE_TIME:
        RemoveTime();
        break;
    case res::ID_TODO_PRIORITY_1:
    case res::ID_TODO_PRIORITY_2:
    case res::ID_TODO_PRIORITY_3:
    case res::ID_TODO_PRIORITY_4:
    case res::ID_TODO_PRIORITY_5:
        SetPriority(commandId - res::ID_TODO_PRIORITY_1);
        break;
    case res::ID_TODO_TRANSFER_TIME:
        TransferTime();
        break;
    case res::ID_TODO_ZERO_TIME:
        ZeroTime();
        break;
    case res::ID_VIEW_REFRESH:
        RefreshView();
        break;
    default:
        return false;
    }
    Window().FocusTree();
    return true;
}

void ViewCommands::DropOnItem(TreeItem& dragged, TreeItem* target)
{
    if (target == nullptr || !dragged.IsTodo() || app.GetMainWindow() == nullptr)
        return;
    Todo& todo = static_cast<Todo&>(dragged);
    if (target->IsTodo())
        TransferOnDrop(todo, static_cast<Todo&>(*target));
    else if (target->IsProject() && target != todo.GetProject())
        MoveTodo(todo, static_cast<Project&>(*target));
    app.FinishCommand();
}

MainWindow& ViewCommands::Window() const
{
    return *app.GetMainWindow();
}

TreeItem* ViewCommands::SelectedItem() const
{
    const TreeControl& tree = Window().GetTree();
    const TreeNode node = tree.GetSelection();
    return node != nullptr ? tree.GetNodeData(node) : nullptr;
}

Project* ViewCommands::ProjectOfSelection() const
{
    TreeItem* item = SelectedItem();
    if (item == nullptr)
        return nullptr;
    if (item->IsTodo())
        return static_cast<Todo*>(item)->GetProject();
    return item->IsProject() ? static_cast<Project*>(item) : nullptr;
}

Todo* ViewCommands::TodoOfSelection() const
{
    TreeItem* item = SelectedItem();
    return item != nullptr && item->IsTodo() ? static_cast<Todo*>(item) : nullptr;
}

Todo* ViewCommands::RequireTodo()
{
    Todo* todo = TodoOfSelection();
    if (todo == nullptr)
        prompts.Refuse(kSelectTodo);
    return todo;
}

Project* ViewCommands::RequireProject()
{
    Project* project = ProjectOfSelection();
    if (project == nullptr)
        prompts.Refuse(kSelectProject);
    return project;
}

void ViewCommands::Select(const TreeItem& item)
{
    Window().GetTree().SelectNode(item.GetNode());
}

void ViewCommands::RefreshTodoAndProject(Todo& todo)
{
    todo.Refresh(app);
    todo.GetProject()->Refresh(app);
}

void ViewCommands::ForSelected(void (ViewCommands::*onTodo)(), void (ViewCommands::*onProject)())
{
    TreeItem* item = SelectedItem();
    if (item == nullptr)
        return;
    (this->*(item->IsTodo() ? onTodo : onProject))();
}

void ViewCommands::MiscTodo()
{
    Project* project = RequireProject();
    if (project == nullptr)
        return;
    Todo* misc = nullptr;
    for (Todo* todo : project->GetTodos())
    {
        if (todo->GetName() == kMiscTodoName)
        {
            misc = todo;
            break;
        }
    }
    if (misc == nullptr)
    {
        auto created = std::make_unique<Todo>(project);
        created->SetName(kMiscTodoName);
        misc = created.get();
        project->GetTodos().Append(std::move(created));
        app.LogEvent("Created the misc todo");
        misc->InsertIntoTree(Window().GetTree(), app);
        project->ResortTodos(app);
    }
    app.Activate(*misc);
    app.LogEvent("Activated the misc todo");
    misc->Refresh(app);
    Select(*misc);
    app.BringUpToDate();
}

void ViewCommands::ActivateTodo()
{
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    app.Activate(*todo);
    app.LogEvent("Activated a todo", todo->GetName());
    todo->Refresh(app);
    app.BringUpToDate();
}

void ViewCommands::Pause()
{
    app.Pause();
    app.LogEvent("Paused");
}

void ViewCommands::NewTodo()
{
    Project* project = RequireProject();
    if (project == nullptr)
        return;
    auto created = std::make_unique<Todo>(project);
    TodoForm form(app, *created);
    if (!dialogs.Show(form))
        return;
    Todo& todo = *created;
    project->GetTodos().Append(std::move(created));
    app.LogEvent("Created a new todo", todo.GetName());
    todo.InsertIntoTree(Window().GetTree(), app);
    project->Refresh(app);
    project->ResortTodos(app);
    Select(todo);
    app.BringUpToDate();
}

void ViewCommands::TodoProperties()
{
    app.BringUpToDate();
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    TodoForm form(app, *todo);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Set todo's properties", todo->GetName());
    if (app.GetActiveTodo() == todo)
        Window().SetDocumentTitle(todo->GetName());
    todo->GetProject()->Refresh(app);
    todo->GetProject()->ResortTodos(app);
    Select(*todo);
    app.BringUpToDate();
}

void ViewCommands::ProjectProperties()
{
    app.BringUpToDate();
    Project* project = RequireProject();
    if (project == nullptr)
        return;
    ProjectForm form(app, *project);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Set project's properties", project->GetName());
    // A new name can move the project among the others.
    Window().RebuildTree();
    Select(*project);
    app.BringUpToDate();
}

void ViewCommands::AddTime()
{
    app.BringUpToDate();
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    AddTimeForm form(app, *todo);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Added time to a todo", todo->GetName());
    RefreshTodoAndProject(*todo);
    app.BringUpToDate();
}

void ViewCommands::RemoveTime()
{
    app.BringUpToDate();
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    RemoveTimeForm form(app, *todo);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Removed time from a todo", todo->GetName());
    RefreshTodoAndProject(*todo);
    app.BringUpToDate();
}

void ViewCommands::TransferTime()
{
    app.BringUpToDate();
    Todo* selected = TodoOfSelection();
    Todo* from = selected;
    Todo* to = nullptr;
    if (Todo* active = app.GetActiveTodo())
    {
        from = active;
        to = selected;
    }
    TransferTimeForm form(app, from, to, false);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Transferred time between todos");
    // OK means the dialog had two todos; its run has rebuilt the tree, so their nodes are the
    // main tree's again.
    if (from != nullptr && to != nullptr)
    {
        RefreshTodoAndProject(*from);
        RefreshTodoAndProject(*to);
    }
    app.BringUpToDate();
}

void ViewCommands::ZeroTime()
{
    app.BringUpToDate();
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    if (!prompts.AskBeforeDestroying(kSureZeroTime))
        return;
    todo->SetTime(0);
    app.LogEvent("Set todo's time to zero", todo->GetName());
    RefreshTodoAndProject(*todo);
    app.BringUpToDate();
}

void ViewCommands::SetCompleted()
{
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    todo->SetPriority(PRIORITY_COMPLETED);
    app.LogEvent("Set todo to completed", todo->GetName());
    todo->GetProject()->ResortTodos(app);
    Select(*todo);
}

void ViewCommands::SetPriority(int priority)
{
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    todo->SetPriority(priority);
    app.LogEvent("Set todo's priority to " + std::to_string(priority + 1));
    todo->GetProject()->ResortTodos(app);
    Select(*todo);
    app.BringUpToDate();
}

void ViewCommands::CopyTodoName()
{
    if (Todo* todo = RequireTodo())
        Window().CopyToClipboard(todo->GetName());
}

void ViewCommands::CopyProjectName()
{
    if (Project* project = RequireProject())
        Window().CopyToClipboard(project->GetName());
}

void ViewCommands::CopyTodoTime()
{
    app.BringUpToDate();
    if (Todo* todo = RequireTodo())
        Window().CopyToClipboard(app.FormatForCopy(todo->GetTime()));
}

void ViewCommands::CopyProjectTime()
{
    app.BringUpToDate();
    if (Project* project = RequireProject())
        Window().CopyToClipboard(app.FormatForCopy(project->GetTotalTime()));
}

void ViewCommands::DeleteTodo()
{
    Todo* todo = RequireTodo();
    if (todo == nullptr)
        return;
    if (app.GetActiveTodo() == todo)
    {
        prompts.Refuse(kActiveTodoNotDeleted);
        return;
    }
    if (!prompts.AskBeforeDestroying(kSureDeleteTodo))
        return;
    // Any stored comment counts here, a bare line break too, though the icon ignores that one.
    if (!todo->GetComment().empty() && !prompts.AskBeforeDestroying(kTodoHasComment))
        return;
    app.LogEvent("Deleted a todo", todo->GetName());
    Project& project = *todo->GetProject();
    Window().GetTree().DeleteNode(todo->GetNode());
    project.GetTodos().Delete(todo);
    project.Refresh(app);
    app.BringUpToDate();
}

void ViewCommands::DeleteProject()
{
    Project* project = RequireProject();
    if (project == nullptr)
        return;
    if (!project->GetTodos().IsEmpty())
    {
        prompts.Refuse(kDeleteTodosFirst);
        return;
    }
    if (!prompts.AskBeforeDestroying(kSureDeleteProject))
        return;
    if (!project->GetComment().empty() && !prompts.AskBeforeDestroying(kProjectHasComment))
        return;
    app.LogEvent("Deleted a project", project->GetName());
    app.GetProjects().Delete(project);
    Window().RebuildTree();
    app.BringUpToDate();
}

void ViewCommands::RefreshView()
{
    app.BringUpToDate();
    Window().RebuildTree();
}

void ViewCommands::TransferOnDrop(Todo& from, Todo& to)
{
    Todo* fromTodo = &from;
    Todo* toTodo = &to;
    TransferTimeForm form(app, fromTodo, toTodo, true);
    if (!dialogs.Show(form))
        return;
    app.LogEvent("Transferred time between todos");
    RefreshTodoAndProject(from);
    RefreshTodoAndProject(to);
    app.BringUpToDate();
}

void ViewCommands::MoveTodo(Todo& todo, Project& target)
{
    for (const Todo* other : target.GetTodos())
    {
        if (other->GetName() == todo.GetName())
        {
            prompts.Refuse(kTodoNameTaken);
            return;
        }
    }
    Project& source = *todo.GetProject();
    TreeControl& tree = Window().GetTree();
    app.LogEvent("Moved a todo", todo.GetName());
    tree.DeleteNode(todo.GetNode());
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
    Select(todo);
    app.BringUpToDate();
}
