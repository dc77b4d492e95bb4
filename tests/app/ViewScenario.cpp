#include "tests/app/ViewScenario.h"

#include "model/Project.h"
#include "model/Todo.h"

#include <sstream>

ViewScenario::ViewScenario()
{
    settings.lastTimeUpdated = At(10);
    settings.loggingEnabled = true;
    // Keeps the balance out of the stored files; the accounts have tests of their own.
    settings.workingTimeEnabled = false;
    // The scenarios move the clock between commands as if the minute timer had run in
    // between; away time has tests of its own.
    settings.awayThresholdMinutes = 0;
    clock.Set(2026, 3, 2, 10, 0, 0);
}

ViewScenario::~ViewScenario()
{
    commands.reset();
    appCommands.reset();
    app.reset();
}

void ViewScenario::TearDown()
{
    EXPECT_TRUE(prompts.answers.empty()) << "answers left unused";
    EXPECT_TRUE(dialogs.project.empty() && dialogs.todo.empty() && dialogs.addTime.empty() &&
                dialogs.removeTime.empty() && dialogs.transfer.empty())
        << "dialog answers left unused";
}

void ViewScenario::StartWith(std::vector<ExpectedProject> projects, int32_t timeRound)
{
    settings.projects = std::move(projects);
    settings.timeRound = timeRound;
    WriteConfig(settings);
    app = Start(false);
    view.app = app.get();
    app->SetMainWindow(&view);
    view.RebuildTree();
    commands = std::make_unique<ViewCommands>(*app, prompts, dialogs);
    appCommands = std::make_unique<AppCommands>(*app, prompts, dialogs);
}

TreeItem* ViewScenario::Selected() const
{
    TreeNode node = view.tree.GetSelection();
    return node != nullptr ? view.tree.GetNodeData(node) : nullptr;
}

std::vector<std::string> ViewScenario::TreeProjects() const
{
    std::vector<std::string> names;
    for (const FakeTreeControl::Node* node : view.tree.Children(nullptr))
        names.push_back(node->data->GetName());
    return names;
}

std::vector<std::string> ViewScenario::TreeTodos(const Project& project) const
{
    std::vector<std::string> names;
    for (const FakeTreeControl::Node* node : view.tree.Children(view.tree.NodeOf(project)))
        names.push_back(node->data->GetName());
    return names;
}

std::vector<std::string> ViewScenario::Boxes() const
{
    std::vector<std::string> boxes;
    for (const ScriptedPrompts::Shown& box : prompts.shown)
        boxes.push_back(box.kind + ": " + box.message);
    return boxes;
}

std::vector<std::string> ViewScenario::Logged() const
{
    // Each line is "YYYY-MM-DD hh:mm:ss : text" and CR LF.
    std::vector<std::string> lines;
    std::istringstream log(ReadFileBytes(LogFile()));
    for (std::string line; std::getline(log, line);)
    {
        EXPECT_TRUE(line.size() > 22 && line.back() == '\r') << line;
        lines.push_back(line.substr(22, line.size() - 23));
    }
    return lines;
}

std::string ViewScenario::Config(std::vector<ExpectedProject> projects,
                                 int32_t lastTimeUpdated) const
{
    ExpectedSettings expected = settings;
    expected.projects = std::move(projects);
    expected.lastTimeUpdated = lastTimeUpdated;
    return ExpectedConfigFile(expected, SavedConfig());
}
