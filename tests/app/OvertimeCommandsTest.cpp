#include "tests/app/CommandScenario.h"

#include "res/CommandIds.h"
#include "tests/app/LocalZone.h"

namespace
{

constexpr int32_t kHour = 3600;

// Every weekday's target differs, Saturday's is 0.
ExpectedSettings Account(int32_t lastTimeUpdated, int32_t balance)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = lastTimeUpdated;
    settings.actual = balance;
    settings.targets = {8 * kHour, 7 * kHour, 6 * kHour, 5 * kHour, 4 * kHour, 0, 1 * kHour};
    settings.loggingEnabled = true;
    return settings;
}

const std::string kZeroQuestion = "Sure to set the actual working time to zero?";
const std::string kTargetQuestion = "Sure to set the actual working time to today's target?";

} // namespace

class OvertimeCommands : public CommandScenario
{
protected:
    // Starts on Saturday 7 March 2026 at 10:00 with a balance of -1,5 hours.
    void StartOnSaturday()
    {
        WriteConfig(Account(ClockAt(2026, 3, 7, 10, 0, 0), -kHour * 3 / 2));
        clock.Set(2026, 3, 7, 10, 0, 0);
        Run();
    }
};

TEST_F(OvertimeCommands, ZeroAnsweredNoChangesNothingAndYesZeroesAndLogs)
{
    StartOnSaturday();
    prompts.answers = {false};
    EXPECT_TRUE(Execute(res::ID_OVERTIME_ZERO));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"question", kZeroQuestion}}), prompts.shown);
    EXPECT_EQ(-kHour * 3 / 2, app->GetOvertimeAccount().GetBalance());
    EXPECT_FALSE(std::filesystem::exists(LogFile()));

    prompts.answers = {true};
    Execute(res::ID_OVERTIME_ZERO);
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(LogLine("2026-03-07 10:00:00", "Set actual working time", "0"), SavedLog());
    EXPECT_EQ("Open todos: 0,0      Projects: 0,0      Working time: 0,0",
              mainWindow.statusTexts.back());
    ExpectedSettings expected = Account(ClockAt(2026, 3, 7, 10, 0, 0), 0);
    EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());
}

TEST_F(OvertimeCommands, TodaysTargetTakesTheTargetOfTheUtcWeekday)
{
    StartOnSaturday();
    prompts.answers = {true};
    Execute(res::ID_OVERTIME_TODAYS_TARGET);
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"question", kTargetQuestion}}), prompts.shown);
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());

    // Sunday 23:30 UTC is still Sunday, whatever the local time zone says.
    clock.Set(2026, 3, 8, 23, 30, 0);
    prompts.answers = {true};
    Execute(res::ID_OVERTIME_TODAYS_TARGET);
    EXPECT_EQ(kHour, app->GetOvertimeAccount().GetBalance());

    prompts.answers = {false};
    clock.Set(2026, 3, 9, 9, 0, 0);
    Execute(res::ID_OVERTIME_TODAYS_TARGET);
    EXPECT_EQ(kHour, app->GetOvertimeAccount().GetBalance());

    EXPECT_EQ(LogLine("2026-03-07 10:00:00", "Set actual working time", "0") +
                  LogLine("2026-03-08 23:30:00", "Set actual working time", "3600"),
              SavedLog());
}

TEST_F(OvertimeCommands, TodaysTargetWithLocalDaysTakesTheLocalWeekday)
{
    LocalZone tonga("Pacific/Tongatapu"); // UTC+13: Sunday 12:00 UTC is Monday 01:00 there
    ExpectedSettings settings = Account(ClockAt(2026, 3, 8, 11, 0, 0), 0);
    settings.daysLocal = true;
    WriteConfig(settings);
    clock.Set(2026, 3, 8, 12, 0, 0);
    Run();
    prompts.answers = {true};
    Execute(res::ID_OVERTIME_TODAYS_TARGET);
    EXPECT_EQ(8 * kHour, app->GetOvertimeAccount().GetBalance());
}

// A day that began since the last clock update is charged before the balance is set, so the
// balance is what the user asked for and not already short by the new day's target.
TEST_F(OvertimeCommands, SettingTheBalanceJustAfterMidnightChargesTheNewDayFirst)
{
    WriteConfig(Account(ClockAt(2026, 3, 8, 23, 59, 30), 2 * kHour)); // Sunday
    clock.Set(2026, 3, 8, 23, 59, 40);
    Run();
    clock.Set(2026, 3, 9, 0, 0, 10); // Monday, 8 hours to work
    prompts.answers = {true};
    Execute(res::ID_OVERTIME_ZERO);
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());

    clock.Set(2026, 3, 10, 0, 0, 5); // Tuesday, 7 hours
    prompts.answers = {true};
    Execute(res::ID_OVERTIME_TODAYS_TARGET);
    EXPECT_EQ(7 * kHour, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(LogLine("2026-03-09 00:00:10", "Set actual working time", "0") +
                  LogLine("2026-03-10 00:00:05", "Set actual working time", "25200"),
              SavedLog());
}

TEST_F(OvertimeCommands, WorkingHoursReadEmptyFieldsAsZeroAndKeepNegativeValues)
{
    StartOnSaturday();
    dialogs.workingTime.push_back(
        [](WorkingTimeForm& form)
        {
            EXPECT_EQ("-1,50", form.overtime);
            EXPECT_EQ("8,00", form.targets[0]);
            EXPECT_EQ("0,00", form.targets[5]);
            form.overtime = "-12:30";
            form.targets[0] = "7,5";
            form.targets[2] = "";
            form.targets[6] = "-1";
            return true;
        });
    Execute(res::ID_OVERTIME_WORKING_HOURS);

    EXPECT_EQ(-12 * kHour - 1800, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(7 * kHour + 1800, app->GetOvertimeAccount().GetTarget(0));
    EXPECT_EQ(7 * kHour, app->GetOvertimeAccount().GetTarget(1));
    EXPECT_EQ(0, app->GetOvertimeAccount().GetTarget(2));
    EXPECT_EQ(-kHour, app->GetOvertimeAccount().GetTarget(6));
    EXPECT_EQ(LogLine("2026-03-07 10:00:00", "Set actual working time", "-45000"), SavedLog());
    EXPECT_EQ("Open todos: 0,0      Projects: 0,0      Working time: -12,5",
              mainWindow.statusTexts.back());

    // The next opening shows the negative values with their sign; Cancel keeps them.
    dialogs.workingTime.push_back(
        [](WorkingTimeForm& form)
        {
            EXPECT_EQ("-12,50", form.overtime);
            EXPECT_EQ("0,00", form.targets[2]);
            EXPECT_EQ("-1,00", form.targets[6]);
            form.overtime = "3";
            return false;
        });
    Execute(res::ID_OVERTIME_WORKING_HOURS);
    EXPECT_EQ(-12 * kHour - 1800, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(LogLine("2026-03-07 10:00:00", "Set actual working time", "-45000"), SavedLog());
}

// Whole hours show 7 h 30 min as "8"; a field left as shown must not store that rounding, and
// the balance keeps what the running todo earned while the dialog was open.
TEST_F(OvertimeCommands, WorkingHoursLeftAsShownKeepTheirExactValues)
{
    ExpectedSettings settings = Account(ClockAt(2026, 3, 7, 10, 0, 0), -kHour * 3 / 2);
    settings.timeFormat = 0;
    settings.targets[1] = 7 * kHour + 1800;
    settings.projects = {ExpectedProject("Garden", 0, {ExpectedTodo("Mow", 0)})};
    WriteConfig(settings);
    clock.Set(2026, 3, 7, 10, 0, 0);
    Run();
    app->Activate(TodoNamed(*app, "Garden", "Mow"));
    dialogs.workingTime.push_back(
        [&](WorkingTimeForm& form)
        {
            EXPECT_EQ("8", form.targets[1]);
            EXPECT_EQ("-2", form.overtime);
            // The clock ticks while the dialog is open.
            clock.Set(2026, 3, 7, 10, 10, 0);
            app->UpdateTime();
            form.targets[2] = "5,5";
            return true;
        });
    Execute(res::ID_OVERTIME_WORKING_HOURS);

    EXPECT_EQ(7 * kHour + 1800, app->GetOvertimeAccount().GetTarget(1));
    EXPECT_EQ(5 * kHour + 1800, app->GetOvertimeAccount().GetTarget(2));
    EXPECT_EQ(-kHour * 3 / 2 + 600, app->GetOvertimeAccount().GetBalance());
}

TEST_F(OvertimeCommands, DoNothingWhileOvertimeIsOff)
{
    ExpectedSettings settings = Account(ClockAt(2026, 3, 7, 10, 0, 0), -kHour);
    settings.workingTimeEnabled = false;
    WriteConfig(settings);
    clock.Set(2026, 3, 7, 10, 0, 0);
    Run();

    for (int command :
         {res::ID_OVERTIME_ZERO, res::ID_OVERTIME_TODAYS_TARGET, res::ID_OVERTIME_WORKING_HOURS})
        EXPECT_TRUE(Execute(command));

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_EQ(-kHour, app->GetOvertimeAccount().GetBalance());
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
}
