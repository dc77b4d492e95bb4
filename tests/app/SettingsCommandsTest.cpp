#include "tests/app/CommandScenario.h"

#include "res/CommandIds.h"

class SettingsCommands : public CommandScenario
{
protected:
    void StartWith(ExpectedSettings& settings)
    {
        settings.lastTimeUpdated = ClockAt(2026, 3, 4, 12, 0, 0);
        WriteConfig(settings);
        clock.Set(2026, 3, 4, 12, 0, 0);
        Run();
    }
};

TEST_F(SettingsCommands, OptionsUnchangedKeepASettingThatHasNoButton)
{
    ExpectedSettings settings;
    settings.timeFormat = 0;
    settings.timeRound = 7;
    settings.loggingEnabled = true;
    settings.trayIcon = false;
    StartWith(settings);

    dialogs.options.push_back(
        [](OptionsForm& form)
        {
            EXPECT_EQ(OptionsForm::kNone, form.timeFormat);
            EXPECT_EQ(OptionsForm::kNone, form.timeRound);
            EXPECT_TRUE(form.workingTimeEnabled);
            EXPECT_TRUE(form.loggingEnabled);
            EXPECT_TRUE(form.autoSaveEnabled);
            EXPECT_FALSE(form.trayIcon);
            return true;
        });
    EXPECT_TRUE(Execute(res::ID_TOOLS_OPTIONS));

    EXPECT_EQ(0, app->GetDurations().TimeFormat());
    EXPECT_EQ(7, app->GetDurations().TimeRound());
    EXPECT_TRUE(app->GetOptions().IsLoggingEnabled());
    EXPECT_FALSE(app->GetOptions().IsTrayIconEnabled());
    EXPECT_EQ(ExpectedConfigFile(settings, SavedConfig()), SavedConfig());
}

TEST_F(SettingsCommands, NewOptionsShowAtOnceInTheStatusLineMenuAndTree)
{
    ExpectedSettings settings;
    settings.actual = -5400;
    settings.projects = {{"Office", 9900, {{"Mail", 900}, {"Report", 9000}}}};
    StartWith(settings);
    EXPECT_EQ(
        (std::vector<std::string>{"  2,8  [2,8]  Office", "    0,3    Mail", "    2,5    Report"}),
        TreeLines());

    dialogs.options.push_back(
        [](OptionsForm& form)
        {
            EXPECT_EQ(1, form.timeFormat);
            EXPECT_EQ(1, form.timeRound);
            form.timeFormat = 3;
            form.timeRound = 4;
            form.workingTimeEnabled = false;
            form.loggingEnabled = true;
            form.autoSaveEnabled = false;
            form.trayIcon = false;
            return true;
        });
    Execute(res::ID_TOOLS_OPTIONS);

    EXPECT_EQ(3, app->GetDurations().TimeFormat());
    EXPECT_EQ(4, app->GetDurations().TimeRound());
    EXPECT_FALSE(app->GetOptions().IsWorkingTimeEnabled());
    EXPECT_TRUE(app->GetOptions().IsLoggingEnabled());
    EXPECT_FALSE(app->GetOptions().IsAutoSaveEnabled());
    EXPECT_FALSE(app->GetOptions().IsTrayIconEnabled());
    // One update before the dialog, one after it in the new format and without the balance.
    ASSERT_EQ(2u, mainWindow.statusTexts.size());
    EXPECT_EQ("Open todos: 2,8      Projects: 2,8      Working time: -1,5",
              mainWindow.statusTexts[0]);
    EXPECT_EQ("Open todos: 2:45      Projects: 2:45", mainWindow.statusTexts[1]);
    EXPECT_EQ(1, mainWindow.menuUpdates);
    EXPECT_EQ(1, mainWindow.treeRebuilds);
    EXPECT_EQ((std::vector<std::string>{"  2:45  [2:45]  Office", "    0:15    Mail",
                                        "    2:30    Report"}),
              TreeLines());
}

TEST_F(SettingsCommands, OptionsCancelledChangeNothingButTheClock)
{
    ExpectedSettings defaults;
    StartWith(defaults);
    dialogs.options.push_back(
        [](OptionsForm& form)
        {
            form.timeFormat = 3;
            form.workingTimeEnabled = false;
            return false;
        });
    Execute(res::ID_TOOLS_OPTIONS);

    EXPECT_EQ(1, app->GetDurations().TimeFormat());
    EXPECT_TRUE(app->GetOptions().IsWorkingTimeEnabled());
    EXPECT_EQ(1u, mainWindow.statusTexts.size());
    EXPECT_EQ(0, mainWindow.menuUpdates);
    EXPECT_EQ(0, mainWindow.treeRebuilds);
}

TEST_F(SettingsCommands, TheFirstRunShowsOptionsThenWorkingHoursAndTheSecondRunNeither)
{
    clock.Set(2026, 3, 4, 12, 0, 0);
    Run();
    ASSERT_TRUE(app->IsFirstRun());
    dialogs.options.push_back(PressOk<OptionsForm>);
    dialogs.workingTime.push_back(
        [](WorkingTimeForm& form)
        {
            form.targets[0] = "8";
            return true;
        });
    commands->RunFirstRun();
    EXPECT_EQ((std::vector<std::string>{"options", "working hours"}), dialogs.opened);
    EXPECT_EQ(8 * 3600, app->GetOvertimeAccount().GetTarget(0));

    Quit();
    Run();
    commands->RunFirstRun();
    EXPECT_EQ(2u, dialogs.opened.size());
    EXPECT_EQ(8 * 3600, app->GetOvertimeAccount().GetTarget(0));
}

TEST_F(SettingsCommands, AFirstRunThatTurnsOvertimeOffSkipsTheWorkingHours)
{
    clock.Set(2026, 3, 4, 12, 0, 0);
    Run();
    dialogs.options.push_back(
        [](OptionsForm& form)
        {
            form.workingTimeEnabled = false;
            return true;
        });
    commands->RunFirstRun();
    EXPECT_EQ((std::vector<std::string>{"options"}), dialogs.opened);
}
