#include "tests/app/AppScenario.h"

#include "app/Options.h"
#include "model/Todo.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"

#include <filesystem>

class Settings : public AppScenario
{
};

TEST_F(Settings, AFirstStartHasTheDefaultsAndItsFirstSaveHoldsEveryKey)
{
    clock.Set(2026, 3, 2, 9, 15, 30);
    auto app = Start();

    EXPECT_TRUE(app->IsFirstRun());
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());
    for (int weekday = 0; weekday < 7; ++weekday)
        EXPECT_EQ(0, app->GetOvertimeAccount().GetTarget(weekday));
    EXPECT_EQ(1, app->GetDurations().TimeFormat());
    EXPECT_EQ(1, app->GetDurations().TimeRound());
    EXPECT_TRUE(app->GetOptions().IsAutoSaveEnabled());
    EXPECT_TRUE(app->GetOptions().IsTrayIconEnabled());
    EXPECT_FALSE(app->GetOptions().IsLoggingEnabled());
    EXPECT_TRUE(app->GetOptions().IsWorkingTimeEnabled());
    EXPECT_EQ(0, app->GetProjects().Count());
    EXPECT_EQ(nullptr, app->GetActiveTodo());
    EXPECT_EQ(ClockAt(2026, 3, 2, 9, 15, 30), app->GetOvertimeAccount().GetLastTimeUpdated());

    // The first update charges nothing, since the last update is the start.
    app->UpdateTime();
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ("Open todos: 0,0      Projects: 0,0      Working time: 0,0",
              window.statusTexts.back());

    ExpectedSettings defaults;
    defaults.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 15, 30);
    EXPECT_EQ(ExpectedConfigFile(defaults, SavedConfig()), SavedConfig());
}

TEST_F(Settings, EverySettingComesBackFromTheFileAndGoesBackUnchanged)
{
    ExpectedSettings stored;
    stored.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
    stored.actual = -5400;
    stored.targets = {28800, 27000, 25200, 23400, 21600, 0, 60};
    stored.autoSaveEnabled = false;
    stored.loggingEnabled = true;
    stored.timeFormat = 3;
    stored.timeRound = 4;
    stored.trayIcon = false;
    stored.workingTimeEnabled = false;
    stored.projects = {{"Garden", 7200, {{"Mow", 3600, 5, "front and back"}}, "weekends"},
                       {"Office", 0, {}}};
    WriteConfig(stored);

    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    EXPECT_FALSE(app->IsFirstRun());
    EXPECT_EQ(-5400, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(28800, app->GetOvertimeAccount().GetTarget(0)); // "Target0" is Monday's
    EXPECT_EQ(60, app->GetOvertimeAccount().GetTarget(6));    // "Target6" is Sunday's
    EXPECT_EQ(3, app->GetDurations().TimeFormat());
    EXPECT_EQ(4, app->GetDurations().TimeRound());
    EXPECT_FALSE(app->GetOptions().IsAutoSaveEnabled());
    EXPECT_TRUE(app->GetOptions().IsLoggingEnabled());
    EXPECT_FALSE(app->GetOptions().IsTrayIconEnabled());
    EXPECT_FALSE(app->GetOptions().IsWorkingTimeEnabled());
    EXPECT_EQ("weekends", ProjectNamed(*app, "Garden").GetComment());
    EXPECT_EQ(5, TodoNamed(*app, "Garden", "Mow").GetPriority());
    EXPECT_EQ(0, ProjectNamed(*app, "Office").GetTodos().Count());
    EXPECT_EQ("3:00", app->FormatDuration(10800, 0));
    EXPECT_EQ("3", app->GetDurations().FormatForCopy(10800));
    EXPECT_EQ("3:00", app->GetDurations().FormatForDialog(10800));
    EXPECT_EQ(45000, Durations::ParseDuration("12,5"));
    EXPECT_TRUE(app->ShowsTime(30));
    EXPECT_FALSE(app->ShowsTime(29));

    app->SaveSettings();
    app->Save();
    EXPECT_EQ(ExpectedConfigFile(stored, SavedConfig()), SavedConfig());
    // Saving again without a change writes the very same bytes.
    app->SaveSettings();
    app->Save();
    EXPECT_EQ(ExpectedConfigFile(stored, SavedConfig()), SavedConfig());
    EXPECT_EQ(SavedConfig(), ReadFileBytes(ConfigFile().string() + ".old"));
}

TEST_F(Settings, DeletedAndRenamedProjectsLeaveNothingBehind)
{
    ExpectedSettings stored;
    stored.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
    stored.projects = {{"Garden", 600, {{"Mow", 600}}},
                       {"Office", 900, {{"Report", 300}, {"Mail", 600}}}};
    WriteConfig(stored);

    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    app->GetProjects().Delete(&ProjectNamed(*app, "Garden"));
    ProjectNamed(*app, "Office").SetName("Workplace");
    TodoNamed(*app, "Workplace", "Mail").SetName("Post");
    app->UpdateTime();

    stored.projects = {{"Workplace", 900, {{"Report", 300}, {"Post", 600}}}};
    EXPECT_EQ(ExpectedConfigFile(stored, SavedConfig()), SavedConfig());
}

TEST_F(Settings, MissingKeysAreAddedWithTheirDefaults)
{
    // An older file with a project and nothing else.
    std::filesystem::create_directories(DataFolder());
    WriteFileBytes(ConfigFile(), "<Projects>\r\n\t<Office>\r\n\t</Office>\r\n</Projects>\r\n");

    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    EXPECT_TRUE(app->IsFirstRun());
    app->UpdateTime();

    ExpectedSettings expected;
    expected.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
    expected.projects = {{"Office", 0, {}}};
    EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());
}

TEST_F(Settings, TargetsExistForSevenWeekdaysOnly)
{
    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    app->GetOvertimeAccount().SetTarget(6, 3600);
    EXPECT_EQ(3600, app->GetOvertimeAccount().GetTarget(6));
    EXPECT_THROW(app->GetOvertimeAccount().GetTarget(7), toolbox::EIllegalArgument);
    EXPECT_THROW(app->GetOvertimeAccount().SetTarget(-1, 0), toolbox::EIllegalArgument);
}

TEST_F(Settings, AnOpenTodoIsOneThatShowsTime)
{
    ExpectedSettings stored;
    stored.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
    stored.timeFormat = 2;
    stored.projects = {{"Garden", 0, {{"Mow", 0}}}, {"Office", 17, {{"Report", 17}}}};
    WriteConfig(stored);

    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    EXPECT_FALSE(app->AnyTodoOpen()); // 17 seconds read as 0,00

    TodoNamed(*app, "Office", "Report").SetTime(18);
    EXPECT_TRUE(app->AnyTodoOpen());
    app->GetDurations().SetTimeFormat(1);
    EXPECT_FALSE(app->AnyTodoOpen());
}

// Beside a whole older copy, a file is read by what it holds: one with its projects loads, be
// it hand-edited or written by a program that keeps fewer sections; one without them does not.
TEST_F(Settings, AFileWithItsProjectsWinsOverAnOlderWholeCopy)
{
    ExpectedSettings older;
    older.projects = {{"Older", 60, {}}};
    WriteConfig(older);
    std::filesystem::rename(ConfigFile(), ConfigFile().string() + ".old");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<Projects>\r\n\t<Newer>\r\n\t</Newer>\r\n</Projects>\r\n", "Newer"},
        {"<Options>\r\n</Options>\r\n<Projects>\r\n\t<Newer>\r\n\t</Newer>\r\n</Projects>\r\n",
         "Newer"},
        {"<Application>\r\n</Application>\r\n<Options>\r\n</Options>\r\n", "Older"},
    };
    for (const auto& [text, loaded] : cases)
    {
        SCOPED_TRACE(text);
        WriteFileBytes(ConfigFile(), text);
        auto app = Start(false);
        ASSERT_EQ(1, app->GetProjects().Count());
        EXPECT_EQ(loaded, app->GetProjects().Get(0)->GetName());
        app->Abandon();
        app->SkipShutdownSteps();
    }
}

// A declared setting reads through its own section and key: a missing one is created with the
// declared default (or the one the program gives), and a written value comes back converted
// from whatever kind the file holds.
TEST(SettingDeclarations, ReadCreatesTheDefaultAndWriteIsReadBack)
{
    toolbox::ConfigSection root("root");
    EXPECT_FALSE(settings::kWindowWidth.IsStored(root));
    EXPECT_EQ(settings::kWindowWidth.Read(root), 350);
    EXPECT_TRUE(settings::kWindowWidth.IsStored(root));
    EXPECT_EQ(root.GetSection("MainFrame").GetParameter("XSize").AsInt(), 350);

    EXPECT_EQ(settings::kLastTimeUpdated.ReadOr(root, 1234), 1234);
    EXPECT_EQ(settings::kLastTimeUpdated.Read(root), 1234); // created, no longer the default

    settings::kTrayIcon.Write(root, false);
    EXPECT_FALSE(settings::kTrayIcon.Read(root));
    root.GetSection("Options").GetParameter("TimeRound").SetString("3");
    EXPECT_EQ(settings::kTimeRound.Read(root), 3);
    EXPECT_EQ(settings::kTargets[6].Read(root), 0);
    EXPECT_TRUE(root.GetSection("WorkingTime").HasParameter("Target6"));

    // What one computer keeps for itself, and what the books share.
    EXPECT_EQ(settings::kWindowMaximized.scope, SettingScope::Machine);
    EXPECT_EQ(settings::kTrayIcon.scope, SettingScope::Machine);
    EXPECT_EQ(settings::kTimeFormat.scope, SettingScope::Machine);
    EXPECT_EQ(settings::kDaysLocal.scope, SettingScope::Books);
    EXPECT_EQ(settings::kOvertime.scope, SettingScope::Books);
}
