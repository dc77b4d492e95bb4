#include "app/commands/CommandContext.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandTable.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
#include "toolbox/Translation.h"

CommandContext::CommandContext(Tallydene& app, Prompts& prompts, Dialogs& dialogs, int commandId)
    : app(app), prompts(prompts), dialogs(dialogs), commandId(commandId), view(app.GetLedger())
{
}

MainWindow& CommandContext::Window() const
{
    return *app.GetMainWindow();
}

TreeItem* CommandContext::SelectedItem() const
{
    const TreeControl& tree = Window().GetTree();
    const TreeNode node = tree.GetSelection();
    return node != nullptr ? tree.GetNodeData(node) : nullptr;
}

Project* CommandContext::ProjectOfSelection() const
{
    TreeItem* item = SelectedItem();
    if (item == nullptr)
        return nullptr;
    if (item->IsTodo())
        return static_cast<Todo*>(item)->GetProject();
    return item->IsProject() ? static_cast<Project*>(item) : nullptr;
}

Todo* CommandContext::TodoOfSelection() const
{
    TreeItem* item = SelectedItem();
    return item != nullptr && item->IsTodo() ? static_cast<Todo*>(item) : nullptr;
}

Todo* CommandContext::RequireTodo()
{
    Todo* todo = TodoOfSelection();
    if (todo == nullptr)
        prompts.Refuse(toolbox::Translation::Tr("Please select a todo first."));
    return todo;
}

Project* CommandContext::RequireProject()
{
    Project* project = ProjectOfSelection();
    if (project == nullptr)
        prompts.Refuse(toolbox::Translation::Tr("Please select a project first."));
    return project;
}

void CommandContext::Select(const TreeItem& item)
{
    TreeControl& tree = Window().GetTree();
    tree.SelectNode(tree.NodeOf(item));
}

void CommandContext::ForSelected(Run onTodo, Run onProject)
{
    TreeItem* item = SelectedItem();
    if (item == nullptr)
        return;
    const Run run = item->IsTodo() ? onTodo : onProject;
    if (const Command* command = FindCommandRunning(run))
        app.GetUndoHistory().NameStep(command->name);
    run(*this);
}

void CommandContext::FocusTree()
{
    if (MainWindow* window = app.GetMainWindow())
        window->FocusTree();
}
