#pragma once

class Dialogs;
class MainWindow;
class Project;
class Prompts;
class Tallydene;
class Todo;
class TreeItem;

// The commands about projects and todos that the main view gives: from the "&Project" and
// "&Todo" menus, the tree's context menus, the shortcut keys, the tool bar and double-clicks,
// and the outcome of dropping a dragged item. They act on the main tree's selection, ask
// through the prompts, open dialogs through the dialogs interface, write the event log and
// bring the clock up to date; each command ends with one save of what it changed.
class ViewCommands
{
public:
    // None of the three is owned; all must outlive the commands.
    ViewCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs);

    // Runs the command with that identifier; false when it is not one of these commands or
    // no main window exists to take the selection from.
    bool Execute(int commandId);

    // A dragged item released over target (nullptr: over no item). A todo dropped on a todo
    // opens the simple transfer dialog; on another project it moves there. Anything else
    // does nothing.
    void DropOnItem(TreeItem& dragged, TreeItem* target);

    // What is selected in the main tree: the project itself or a todo's project; the todo, or
    // nullptr when a project or nothing is selected.
    Project* ProjectOfSelection() const;
    Todo* TodoOfSelection() const;

private:
    // Runs the command itself; Execute then finishes it with the one save.
    bool Dispatch(int commandId);

    TreeItem* SelectedItem() const;

    // The generic commands: the todo's command when a todo is selected, the project's when a
    // project is, and nothing when nothing is.
    void ForSelected(void (ViewCommands::*onTodo)(), void (ViewCommands::*onProject)());

    void MiscTodo();
    void ActivateTodo();
    void Pause();
    void NewTodo();
    void TodoProperties();
    void ProjectProperties();
    void AddTime();
    void RemoveTime();
    void TransferTime();
    void ZeroTime();
    void SetCompleted();
    void SetPriority(int priority);
    void CopyTodoName();
    void CopyProjectName();
    void CopyTodoTime();
    void CopyProjectTime();
    void DeleteTodo();
    void DeleteProject();
    void RefreshView();

    void TransferOnDrop(Todo& from, Todo& to);
    void MoveTodo(Todo& todo, Project& target);

    // nullptr with a refusal when no todo, or no project, is selected.
    Todo* RequireTodo();
    Project* RequireProject();
    void Select(const TreeItem& item);
    void RefreshTodoAndProject(Todo& todo);

    MainWindow& Window() const;

    Tallydene& app;
    Prompts& prompts;
    Dialogs& dialogs;
};
