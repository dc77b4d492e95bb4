#include "app/commands/ProjectCommands.h"

#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/commands/TodoCommands.h"
#include "app/forms/Dialogs.h"
#include "app/forms/ProjectForm.h"
#include "app/ledger/Ledger.h"
#include "model/FillTree.h"
#include "model/Project.h"
#include "model/TreeControl.h"

void NewProjectCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    // The form fills a project of its own, which the ledger then makes in the books.
    Project made;
    ProjectForm form(app, made);
    if (context.dialogs.Show(form))
    {
        app.LogEvent("Created a new project", made.GetName());
        Ledger& ledger = app.GetLedger();
        ledger.Apply({Change::NewProject(Ledger::ContentOf(made))});
        if (const Project* project = ledger.FindProject(made.GetId());
            project != nullptr && app.GetMainWindow() != nullptr)
            context.Select(*project);
    }
    context.FocusTree();
}

void ItemPropertiesCommand(CommandContext& context)
{
    context.ForSelected(TodoPropertiesCommand, ProjectPropertiesCommand);
}

void ProjectPropertiesCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    app.GetLedger().BookClock();
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    ProjectForm form(app, *project);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set project's properties", project->GetName());
    context.Select(*project);
}

void RefreshViewCommand(CommandContext& context)
{
    context.app.GetLedger().BookClock();
    context.Window().RebuildTree();
}
