#include "tests/app/CommandScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

namespace
{

// Garden: Rake (open), Mow and Weed (completed); Office: Plan (open), Mail (completed).
ExpectedSettings TwoProjects(int32_t lastTimeUpdated)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = lastTimeUpdated;
    settings.loggingEnabled = true;
    settings.projects = {
        {"Garden", 9000, {{"Mow", 3600, 5}, {"Rake", 1800, 2}, {"Weed", 0, 5}}},
        {"Office", 9000, {{"Mail", 900, 5}, {"Plan", 7200, 1}}},
    };
    return settings;
}

std::function<bool(CleanUpForm&)> Choose(bool zeroClocks, bool deleteCompleted)
{
    return [=](CleanUpForm& form)
    {
        form.zeroClocks = zeroClocks;
        form.deleteCompleted = deleteCompleted;
        return true;
    };
}

const std::string kWhen = "2026-03-04 17:00:00";

} // namespace

class CleanUpCommand : public CommandScenario
{
protected:
    void SetUp() override
    {
        WriteConfig(TwoProjects(ClockAt(2026, 3, 4, 17, 0, 0)));
        clock.Set(2026, 3, 4, 17, 0, 0);
        Run();
    }

    std::vector<std::pair<std::string, int32_t>> TodoTimes()
    {
        std::vector<std::pair<std::string, int32_t>> times;
        for (Project* project : app->GetProjects())
            for (Todo* todo : project->GetTodos())
                times.emplace_back(todo->GetName(), todo->GetTime());
        return times;
    }

    std::vector<int32_t> TotalTimes()
    {
        std::vector<int32_t> totals;
        for (Project* project : app->GetProjects())
            totals.push_back(project->GetTotalTime());
        return totals;
    }
};

TEST_F(CleanUpCommand, WithNeitherChoiceBothUpdatesRunAndNothingChanges)
{
    const std::vector<std::string> lines = TreeLines();
    dialogs.cleanUp.push_back(Choose(false, false));
    EXPECT_TRUE(Execute(res::ID_TOOLS_CLEAN_UP));

    EXPECT_EQ(2u, mainWindow.statusTexts.size());
    EXPECT_EQ(1, mainWindow.focusRequests);
    EXPECT_EQ(lines, TreeLines());
    EXPECT_EQ((std::vector<std::pair<std::string, int32_t>>{
                  {"Rake", 1800}, {"Mow", 3600}, {"Weed", 0}, {"Plan", 7200}, {"Mail", 900}}),
              TodoTimes());
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
}

TEST_F(CleanUpCommand, DeletingRemovesExactlyTheCompletedTodosOfEveryProject)
{
    dialogs.cleanUp.push_back(Choose(false, true));
    Execute(res::ID_TOOLS_CLEAN_UP);

    EXPECT_EQ((std::vector<std::pair<std::string, int32_t>>{{"Rake", 1800}, {"Plan", 7200}}),
              TodoTimes());
    EXPECT_EQ((std::vector<int32_t>{9000, 9000}), TotalTimes());
    EXPECT_EQ(LogLine(kWhen, "Deleted a todo (clean up)", "Mow") +
                  LogLine(kWhen, "Deleted a todo (clean up)", "Weed") +
                  LogLine(kWhen, "Deleted a todo (clean up)", "Mail"),
              SavedLog());
    // Two completed todos side by side: the second moved into the first's place and went too.
    EXPECT_EQ((std::vector<std::string>{"  0,5  [2,5]  Garden", "    0,5    Rake",
                                        "  2,0  [2,5]  Office", "    2,0    Plan"}),
              TreeLines());

    ExpectedSettings expected = TwoProjects(ClockAt(2026, 3, 4, 17, 0, 0));
    expected.projects = {{"Garden", 9000, {{"Rake", 1800, 2}}},
                         {"Office", 9000, {{"Plan", 7200, 1}}}};
    Quit();
    std::string saved = SavedConfig();
    const std::string cleanUpSection =
        "<CleanUp>\r\n\t<DeleteCompleted>1</>\r\n\t<ZeroClocks>0</>\r\n</CleanUp>\r\n\r\n";
    ASSERT_NE(std::string::npos, saved.find(cleanUpSection));
    saved.erase(saved.find(cleanUpSection), cleanUpSection.size());
    EXPECT_EQ(ExpectedConfigFile(expected, saved), saved);
}

TEST_F(CleanUpCommand, WithBothChoicesATodoIsZeroedAndLoggedBeforeItIsDeleted)
{
    dialogs.cleanUp.push_back(Choose(true, true));
    Execute(res::ID_TOOLS_CLEAN_UP);

    EXPECT_EQ((std::vector<std::pair<std::string, int32_t>>{{"Rake", 0}, {"Plan", 0}}),
              TodoTimes());
    // The projects keep the time booked on them.
    EXPECT_EQ((std::vector<int32_t>{9000, 9000}), TotalTimes());
    const std::string zeroed = "Set todo's time to zero (clean up)";
    const std::string deleted = "Deleted a todo (clean up)";
    EXPECT_EQ(LogLine(kWhen, zeroed, "Rake") + LogLine(kWhen, zeroed, "Mow") +
                  LogLine(kWhen, deleted, "Mow") + LogLine(kWhen, zeroed, "Weed") +
                  LogLine(kWhen, deleted, "Weed") + LogLine(kWhen, zeroed, "Plan") +
                  LogLine(kWhen, zeroed, "Mail") + LogLine(kWhen, deleted, "Mail"),
              SavedLog());
    EXPECT_EQ((std::vector<std::string>{"  0,0  [2,5]  Garden", "    0,0    Rake",
                                        "  0,0  [2,5]  Office", "    0,0    Plan"}),
              TreeLines());
    EXPECT_EQ("Open todos: 0,0      Projects: 5,0      Working time: 0,0",
              mainWindow.statusTexts.back());
}

TEST_F(CleanUpCommand, IsRefusedWhileATodoRuns)
{
    app->Activate(TodoNamed(*app, "Garden", "Mow"));
    Execute(res::ID_TOOLS_CLEAN_UP);

    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"refuse", "Please pause first."}}),
              prompts.shown);
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_EQ(3, app->GetProjects().Get(0)->GetTodos().Count());
}

TEST_F(CleanUpCommand, TheChoiceIsRememberedAfterOkAlsoAcrossARestartAndNotAfterCancel)
{
    dialogs.cleanUp.push_back(
        [](CleanUpForm& form)
        {
            // No choice stored yet: both boxes open ticked.
            EXPECT_TRUE(form.zeroClocks);
            EXPECT_TRUE(form.deleteCompleted);
            form.zeroClocks = false;
            form.deleteCompleted = false;
            return true;
        });
    dialogs.cleanUp.push_back(
        [](CleanUpForm& form)
        {
            EXPECT_FALSE(form.zeroClocks);
            EXPECT_FALSE(form.deleteCompleted);
            form.zeroClocks = true;
            return false;
        });
    Execute(res::ID_TOOLS_CLEAN_UP);
    Execute(res::ID_TOOLS_CLEAN_UP);

    Quit();
    Run();
    dialogs.cleanUp.push_back(
        [](CleanUpForm& form)
        {
            EXPECT_FALSE(form.zeroClocks);
            EXPECT_FALSE(form.deleteCompleted);
            return false;
        });
    Execute(res::ID_TOOLS_CLEAN_UP);
    EXPECT_EQ(3u, dialogs.opened.size());
    EXPECT_EQ(5, app->GetProjects().Get(0)->GetTodos().Count() +
                     app->GetProjects().Get(1)->GetTodos().Count());
}
