#include "app/commands/AppCommands.h"

#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/commands/CommandTable.h"
#include "res/CommandIds.h"

AppCommands::AppCommands(Tallydene& app, Prompts& prompts, Dialogs& dialogs)
    : app(app), prompts(prompts), dialogs(dialogs)
{
}

bool AppCommands::Execute(int commandId)
{
    const Command* command = FindCommand(commandId);
    const bool handled = command != nullptr && command->scope == CommandScope::App;
    if (handled)
    {
        CommandContext context(app, prompts, dialogs, commandId);
        app.GetUndoHistory().Run(*command, context);
    }
    app.FinishCommand();
    return handled;
}

void AppCommands::RunFirstRun()
{
    if (!app.IsFirstRun())
        return;
    Execute(res::ID_TOOLS_OPTIONS);
    Execute(res::ID_OVERTIME_WORKING_HOURS);
}
