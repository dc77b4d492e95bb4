#include "tests/app/CommandScenario.h"

Tallydene& CommandScenario::Run()
{
    app = Start(false);
    mainWindow.app = app.get();
    app->SetMainWindow(&mainWindow);
    mainWindow.RebuildTree();
    mainWindow.treeRebuilds = 0;
    commands = std::make_unique<AppCommands>(*app, prompts, dialogs);
    return *app;
}

void CommandScenario::Quit()
{
    commands.reset();
    app->SetMainWindow(nullptr);
    app.reset();
}

std::vector<std::string> CommandScenario::TreeLines() const
{
    std::vector<std::string> lines;
    for (FakeTreeControl::Node* project : mainWindow.tree.Children(nullptr))
    {
        lines.push_back(project->text);
        for (const std::string& todo : mainWindow.tree.ChildTexts(project))
            lines.push_back(todo);
    }
    return lines;
}
