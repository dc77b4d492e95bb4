#include "app/commands/ViewCommands.h"

#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/commands/CommandTable.h"
#include "app/commands/DropCommands.h"
#include "app/commands/DropRule.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

ViewCommands::ViewCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs)
    : app(app), prompts(prompts), dialogs(dialogs)
{
}

bool ViewCommands::Execute(int commandId)
{
    if (app.GetMainWindow() == nullptr)
        return false;
    const Command* command = FindCommand(commandId);
    const bool handled = command != nullptr && command->scope != CommandScope::App;
    if (handled)
    {
        CommandContext context(app, prompts, dialogs, commandId);
        app.GetUndoHistory().Run(*command, context);
        if (command->scope == CommandScope::View)
            context.FocusTree();
    }
    app.FinishCommand();
    return handled;
}

void ViewCommands::DropOnItem(TreeItem& dragged, TreeItem* target)
{
    if (!TakesDrop(dragged, target) || app.GetMainWindow() == nullptr)
        return;
    CommandContext context(app, prompts, dialogs, 0);
    app.GetUndoHistory().Record(app, toolbox::TrLater("Drag and drop"),
                                [&] { DropTodo(context, static_cast<Todo&>(dragged), *target); });
    app.FinishCommand();
}

Project* ViewCommands::ProjectOfSelection() const
{
    return CommandContext(app, prompts, dialogs, 0).ProjectOfSelection();
}

Todo* ViewCommands::TodoOfSelection() const
{
    return CommandContext(app, prompts, dialogs, 0).TodoOfSelection();
}
