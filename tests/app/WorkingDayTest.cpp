#include "tests/app/AppScenario.h"

#include "model/Todo.h"

#include <limits>

namespace
{

constexpr int32_t kHour = 3600;

// A week of targets with a different value for every day, so that a day charged twice or
// charged with another day's target shows in the balance.
constexpr std::array<int32_t, 7> WeekTargets = {8 * kHour,  1 * kHour,  2 * kHour, 4 * kHour,
                                                16 * kHour, 32 * kHour, 64 * kHour};

// Office with the todos Report (10 min) and Mail (5 min), 20 min on the project in all.
ExpectedSettings OfficeDay(int32_t lastTimeUpdated)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = lastTimeUpdated;
    settings.actual = -2 * kHour;
    settings.targets = WeekTargets;
    settings.projects = {{"Office", 1200, {{"Report", 600}, {"Mail", 300}}}};
    return settings;
}

} // namespace

class WorkingDay : public AppScenario
{
};

TEST_F(WorkingDay, HalfAnHourOnATodoGoesToTheTodoItsProjectAndTheBalance)
{
    for (bool overtime : {true, false})
    {
        SCOPED_TRACE(overtime ? "overtime on" : "overtime off");
        ExpectedSettings expected = OfficeDay(ClockAt(2026, 3, 2, 9, 0, 0));
        expected.workingTimeEnabled = overtime;
        WriteConfig(expected);

        clock.Set(2026, 3, 2, 10, 0, 0);
        auto app = Start();
        Todo& report = TodoNamed(*app, "Office", "Report");
        app->Activate(report);
        for (int minute : {1, 10, 20, 29, 30})
        {
            clock.Set(2026, 3, 2, 10, minute, 0);
            app->UpdateTime();
        }

        EXPECT_EQ(600 + 1800, report.GetTime());
        EXPECT_EQ(1200 + 1800, ProjectNamed(*app, "Office").GetTotalTime());
        EXPECT_EQ(overtime ? -2 * kHour + 1800 : -2 * kHour,
                  app->GetOvertimeAccount().GetBalance());
        EXPECT_EQ(report.GetLabel(*app),
                  FakeTreeControl::Of(window.tree.NodeOf(report))->text); // the line was redrawn
        EXPECT_EQ(overtime ? "Open todos: 0,8      Projects: 0,8      Working time: -1,5"
                           : "Open todos: 0,8      Projects: 0,8",
                  window.statusTexts.back());

        expected.lastTimeUpdated = ClockAt(2026, 3, 2, 10, 30, 0);
        expected.actual = overtime ? -2 * kHour + 1800 : -2 * kHour;
        expected.projects = {{"Office", 3000, {{"Report", 2400}, {"Mail", 300}}}};
        EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());
    }
}

TEST_F(WorkingDay, TheFirstUpdateAfterMidnightChargesTheNewDayOnce)
{
    WriteConfig(OfficeDay(ClockAt(2026, 3, 1, 23, 58, 0))); // a Sunday
    clock.Set(2026, 3, 1, 23, 59, 0);
    auto app = Start();
    app->UpdateTime();
    EXPECT_EQ(-2 * kHour, app->GetOvertimeAccount().GetBalance());

    clock.Set(2026, 3, 2, 0, 0, 0); // Monday
    app->UpdateTime();
    EXPECT_EQ(-2 * kHour - WeekTargets[0], app->GetOvertimeAccount().GetBalance());
    clock.Set(2026, 3, 2, 0, 1, 0);
    app->UpdateTime();
    clock.Set(2026, 3, 2, 23, 59, 59);
    app->UpdateTime();
    EXPECT_EQ(-2 * kHour - WeekTargets[0], app->GetOvertimeAccount().GetBalance());
}

TEST_F(WorkingDay, AStartOnThursdayAfterMondayChargesTheDaysBetweenAndBooksTheGapOnNoTodo)
{
    WriteConfig(OfficeDay(ClockAt(2026, 3, 2, 17, 0, 0))); // Monday evening
    clock.Set(2026, 3, 5, 8, 0, 0);                        // Thursday morning
    auto app = Start();
    app->UpdateTime();

    int32_t charged = WeekTargets[1] + WeekTargets[2] + WeekTargets[3];
    EXPECT_EQ(-2 * kHour - charged, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(600, TodoNamed(*app, "Office", "Report").GetTime());
    EXPECT_EQ(300, TodoNamed(*app, "Office", "Mail").GetTime());
    EXPECT_EQ(1200, ProjectNamed(*app, "Office").GetTotalTime());

    // From here on time runs again, for the todo that is activated.
    app->Activate(TodoNamed(*app, "Office", "Mail"));
    clock.Advance(60);
    app->UpdateTime();
    EXPECT_EQ(360, TodoNamed(*app, "Office", "Mail").GetTime());
    EXPECT_EQ(-2 * kHour - charged + 60, app->GetOvertimeAccount().GetBalance());
}

TEST_F(WorkingDay, WithOvertimeOffTheAccountIsKeptAsStored)
{
    ExpectedSettings stored = OfficeDay(ClockAt(2026, 3, 2, 17, 0, 0));
    stored.workingTimeEnabled = false;
    WriteConfig(stored);

    clock.Set(2026, 3, 5, 8, 0, 0);
    {
        auto app = Start();
        app->Activate(TodoNamed(*app, "Office", "Report"));
        clock.Advance(600);
        app->UpdateTime();
        EXPECT_EQ(-2 * kHour, app->GetOvertimeAccount().GetBalance());
    }

    stored.lastTimeUpdated = ClockAt(2026, 3, 5, 8, 10, 0);
    stored.projects = {{"Office", 1800, {{"Report", 1200}, {"Mail", 300}}}};
    EXPECT_EQ(ExpectedConfigFile(stored, SavedConfig()), SavedConfig());
}

TEST_F(WorkingDay, AutoSaveWritesTheFileAtEveryUpdate)
{
    ExpectedSettings expected = OfficeDay(ClockAt(2026, 3, 2, 9, 0, 0));
    WriteConfig(expected);
    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    for (int minute = 1; minute <= 3; ++minute)
    {
        clock.Set(2026, 3, 2, 9, minute, 0);
        app->UpdateTime();
        expected.lastTimeUpdated = ClockAt(2026, 3, 2, 9, minute, 0);
        EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig()) << minute;
    }

    // Without auto save an update leaves the file alone.
    app->GetOptions().SetAutoSaveEnabled(false);
    clock.Set(2026, 3, 2, 9, 4, 0);
    app->UpdateTime();
    EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());
}

TEST_F(WorkingDay, ActivatingAndPausingShowInTheWindow)
{
    WriteConfig(OfficeDay(ClockAt(2026, 3, 2, 9, 0, 0)));
    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    Todo& report = TodoNamed(*app, "Office", "Report");
    Todo& mail = TodoNamed(*app, "Office", "Mail");

    app->Activate(report);
    clock.Advance(120);
    app->Activate(mail); // the two minutes so far are Report's
    EXPECT_EQ(720, report.GetTime());
    EXPECT_EQ(&mail, app->GetActiveTodo());
    EXPECT_EQ(report.GetLabel(*app), FakeTreeControl::Of(window.tree.NodeOf(report))->text);

    size_t updates = window.statusTexts.size();
    clock.Advance(60);
    app->Activate(mail); // already active: no update at all
    EXPECT_EQ(updates, window.statusTexts.size());
    EXPECT_EQ(300, mail.GetTime());

    app->Pause();
    EXPECT_EQ(360, mail.GetTime());
    EXPECT_EQ(nullptr, app->GetActiveTodo());
    app->Pause(); // already paused: nothing
    EXPECT_EQ(updates + 1, window.statusTexts.size());

    EXPECT_EQ((std::vector<std::string>{"Report", "Mail", "Paused"}), window.titles);
    EXPECT_EQ((std::vector<std::string>{"active", "active", "paused"}), window.looks);
    EXPECT_EQ(mail.GetLabel(*app), FakeTreeControl::Of(window.tree.NodeOf(mail))->text);
}

TEST_F(WorkingDay, TheTrayTooltipIsRefreshedOnlyWhileTheIconShowsAndIsWanted)
{
    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start();
    app->UpdateTime();
    EXPECT_EQ(0, window.trayRefreshes);

    window.trayIconShown = true;
    app->UpdateTime();
    EXPECT_EQ(1, window.trayRefreshes);

    app->GetOptions().SetTrayIconEnabled(false);
    app->UpdateTime();
    EXPECT_EQ(1, window.trayRefreshes);
}

TEST_F(WorkingDay, WithoutAWindowTheClockStillRuns)
{
    WriteConfig(OfficeDay(ClockAt(2026, 3, 2, 9, 0, 0)));
    clock.Set(2026, 3, 2, 9, 0, 0);
    auto app = Start(false);
    app->Activate(TodoNamed(*app, "Office", "Report"));
    clock.Advance(90);
    app->Pause();
    EXPECT_EQ(690, TodoNamed(*app, "Office", "Report").GetTime());
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_TRUE(window.titles.empty());
}

TEST_F(WorkingDay, ValuesAtTheEndsOfTheRangeStayThere)
{
    ExpectedSettings stored;
    stored.lastTimeUpdated = std::numeric_limits<int32_t>::min();
    stored.actual = std::numeric_limits<int32_t>::min() + 10;
    stored.targets.fill(std::numeric_limits<int32_t>::max());
    stored.projects = {{"Office", 0, {{"Report", 0}}}};
    WriteConfig(stored);

    // Far beyond the clock's end in 2058: the clock stays at its last second.
    clock.Set(2100, 1, 1, 12, 0, 0);
    auto app = Start();
    EXPECT_EQ(std::numeric_limits<int32_t>::max(), app->Now());
    window.prompts.answers = {true}; // charge the long gap
    app->Activate(TodoNamed(*app, "Office", "Report"));
    EXPECT_EQ(std::numeric_limits<int32_t>::min(), app->GetOvertimeAccount().GetBalance());

    app->GetOvertimeAccount().SetBalance(0);
    app->GetOvertimeAccount().SetTarget(0, 0);
    app->Pause();
    EXPECT_EQ(0, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(std::numeric_limits<int32_t>::max(), app->GetOvertimeAccount().GetLastTimeUpdated());
}
