#pragma once

#include "app/commands/AppCommands.h"
#include "tests/app/AppScenario.h"
#include "tests/app/FakeDialogs.h"
#include "tests/app/RebuildingMainWindow.h"
#include "tests/app/ScriptedPrompts.h"

#include <memory>
#include <string>
#include <vector>

// The application's commands driven as a user would: scripted message boxes and dialogs, a
// main window that records, and the program's files in a temporary folder.
class CommandScenario : public AppScenario
{
protected:
    // Starts the program with the rebuilding window and its tree filled, and the commands.
    Tallydene& Run();
    // Ends the program as the shutdown does, so that everything is in the file.
    void Quit();

    bool Execute(int commandId) { return commands->Execute(commandId); }

    std::string SavedLog() const { return ReadFileBytes(LogFile()); }
    // The tree's texts: each project's line followed by its todos' lines.
    std::vector<std::string> TreeLines() const;

    ScriptedPrompts prompts;
    RebuildingMainWindow mainWindow;
    FakeDialogs dialogs{prompts, WhenNoAnswerLeft::Fail};
    std::unique_ptr<Tallydene> app;
    std::unique_ptr<AppCommands> commands;
};
