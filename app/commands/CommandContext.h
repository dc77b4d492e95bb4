#pragma once

#include "app/ledger/Ledger.h"

class Dialogs;
class MainWindow;
class Project;
class Prompts;
class Tallydene;
class Todo;
class TreeItem;

// What a command works on: the application, the message boxes, the dialogs and the identifier
// it was given by, with the main tree's selection as the commands read it. None of the
// references is owned.
class CommandContext
{
public:
    using Run = void (*)(CommandContext& context);

    CommandContext(Tallydene& app, Prompts& prompts, Dialogs& dialogs, int commandId);

    Tallydene& app;
    Prompts& prompts;
    Dialogs& dialogs;
    const int commandId;

    // The main window; only for the view's commands, which run while it exists.
    MainWindow& Window() const;
    // What is selected in the main tree: the project itself or a todo's project; the todo, or
    // nullptr when a project or nothing is selected.
    TreeItem* SelectedItem() const;
    Project* ProjectOfSelection() const;
    Todo* TodoOfSelection() const;
    // nullptr with a refusal when no todo, or no project, is selected.
    Todo* RequireTodo();
    Project* RequireProject();

    void Select(const TreeItem& item);
    // The item-level commands: the todo's command when a todo is selected, the project's when
    // a project is, and nothing when nothing is.
    void ForSelected(Run onTodo, Run onProject);
    // Gives the tree the focus when the main window exists.
    void FocusTree();

private:
    // The items the command changed are shown once, when it ends.
    Ledger::CommandView view;
};
