#pragma once

class Dialogs;
class Project;
class Prompts;
class Tallydene;
class Todo;
class TreeItem;

// The commands about projects and todos that the main view gives: from the "&Project" and
// "&Todo" menus, the tree's context menus, the shortcut keys, the tool bar and double-clicks,
// and the outcome of dropping a dragged item. They act on the main tree's selection; the
// command table holds what each does. Each command ends with one save of what it changed.
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
    Tallydene& app;
    Prompts& prompts;
    Dialogs& dialogs;
};
