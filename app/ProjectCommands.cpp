#include "app/ProjectCommands.h"

#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ProjectForm.h"
#include "app/Tallydene.h"
#include "app/TodoCommands.h"
#include "model/FillTree.h"
#include "model/Project.h"
#include "model/TreeControl.h"

#include <memory>

void NewProjectCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    auto project = std::make_unique<Project>();
    ProjectForm form(app, *project);
    if (context.dialogs.Show(form))
    {
        Project& added = *project;
        app.GetProjects().Append(std::move(project));
        app.LogEvent("Created a new project", added.GetName());
        // No clock update belongs to this command, but the new project is saved at once.
        app.MarkChanged();
        if (MainWindow* window = app.GetMainWindow())
            InsertProjectInOrder(window->GetTree(), app.GetProjects(), added, app);
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
    app.BringUpToDate();
    Project* project = context.RequireProject();
    if (project == nullptr)
        return;
    ProjectForm form(app, *project);
    if (!context.dialogs.Show(form))
        return;
    app.LogEvent("Set project's properties", project->GetName());
    // A new name can move the project among the others.
    context.Window().RebuildTree();
    context.Select(*project);
    app.BringUpToDate();
}

void RefreshViewCommand(CommandContext& context)
{
    context.app.BringUpToDate();
    context.Window().RebuildTree();
}
