#pragma once

#include "app/commands/AppCommands.h"
#include "app/commands/ViewCommands.h"
#include "tests/app/AppScenario.h"
#include "tests/app/FakeDialogs.h"
#include "tests/app/RebuildingMainWindow.h"
#include "tests/app/ScriptedPrompts.h"

#include <memory>
#include <string>
#include <vector>

// The program started on a stored configuration, with its main window, its commands,
// scripted message boxes and dialogs, logging on and overtime off. The moment of start is 10:00:00
// UTC on Monday 2 March 2026, which is also the stored last update.
class ViewScenario : public AppScenario
{
protected:
    ViewScenario();
    ~ViewScenario() override;

    // An answer left over is a question or a dialog that was expected and never came.
    void TearDown() override;

    // Writes the configuration with these projects and starts on it.
    void StartWith(std::vector<ExpectedProject> projects, int32_t timeRound = 1);

    // A command of the view, or else of the program (undo, redo, the settings).
    bool Run(int commandId)
    {
        return commands->Execute(commandId) || appCommands->Execute(commandId);
    }
    void Select(const TreeItem& item) { view.tree.SelectNode(view.tree.NodeOf(item)); }
    TreeItem* Selected() const;
    Project& P(const std::string& name) { return ProjectNamed(*app, name); }
    Todo& T(const std::string& project, const std::string& todo)
    {
        return TodoNamed(*app, project, todo);
    }

    // The names of the projects at the tree's top level, in the tree's order.
    std::vector<std::string> TreeProjects() const;
    // The names of the todos under the project's node, in the tree's order.
    std::vector<std::string> TreeTodos(const Project& project) const;
    // The message boxes shown so far, each as its kind, ": " and its text.
    std::vector<std::string> Boxes() const;
    // The event log written since the start, one "message[: detail]" per line.
    std::vector<std::string> Logged() const;
    // The configuration file that the settings below would make, with these projects, their
    // ids taken from the saved file.
    std::string Config(std::vector<ExpectedProject> projects, int32_t lastTimeUpdated) const;

    static constexpr int32_t kMinute = 60;
    static constexpr int32_t kHour = 3600;
    static int32_t At(int hour, int minute = 0) { return ClockAt(2026, 3, 2, hour, minute); }

    ExpectedSettings settings;
    RebuildingMainWindow view;
    ScriptedPrompts prompts;
    FakeDialogs dialogs{prompts, WhenNoAnswerLeft::Cancel};
    std::unique_ptr<Tallydene> app;
    std::unique_ptr<ViewCommands> commands;
    std::unique_ptr<AppCommands> appCommands;
};
