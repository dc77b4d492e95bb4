#include "app/commands/QuitQuestions.h"
#include "app/forms/AwayTimeForm.h"
#include "app/journal/JournalFile.h"
#include "model/Todo.h"
#include "tests/app/AppScenario.h"
#include "tests/app/FakeDialogs.h"
#include "tests/app/FakeIdleSource.h"
#include "tests/app/LocalZone.h"
#include "tests/app/ScriptedPrompts.h"

#include <cstdlib>
#include <optional>

namespace
{

constexpr int32_t kHour = 3600;
constexpr int32_t kMinute = 60;
using Answer = AwayTimeForm::Answer;

// Office with Report (10 min) and Mail (5 min), last updated at 17:00 UTC on Monday 2 March
// 2026; the user's clock is an hour ahead of UTC.
class AwayTime : public AppScenario
{
protected:
    AwayTime()
    {
        settings.lastTimeUpdated = ClockAt(2026, 3, 2, 17);
        settings.actual = -2 * kHour;
        settings.targets = {8 * kHour, 1 * kHour, 2 * kHour, 4 * kHour, 16 * kHour, 0, 0};
        settings.loggingEnabled = true;
        settings.timeFormat = 3;
        settings.projects = {{"Office", 1200, {{"Report", 600}, {"Mail", 300}}}};
    }

    // Starts at 17:00 with Report running.
    Tallydene& RunReport()
    {
        WriteConfig(settings);
        clock.Set(2026, 3, 2, 17);
        app = Start();
        app->SetIdleSource(&idle);
        app->Activate(Report());
        return *app;
    }
    Todo& Report() { return TodoNamed(*app, "Office", "Report"); }
    // Minutes with the machine awake, the timer ticking each one.
    void Work(int minutes)
    {
        for (int minute = 0; minute < minutes; ++minute)
        {
            clock.Advance(kMinute);
            app->UpdateTime();
        }
    }
    // The accounts: Report's time, Office's total and the balance.
    std::array<int64_t, 3> Accounts()
    {
        return {Report().GetTime(), ProjectNamed(*app, "Office").GetTotalTime(),
                app->GetOvertimeAccount().GetBalance()};
    }
    // The question as the user would see it, answered.
    std::string Ask(Answer answer)
    {
        std::string question;
        dialogs.away.emplace_back(
            [&question, answer](AwayTimeForm& form)
            {
                question = form.question;
                form.answer = answer;
            });
        AwayTimeForm::Ask(*app, dialogs);
        return question;
    }
    std::string SavedLog() const { return ReadFileBytes(LogFile()); }
    std::vector<JournalEntry> Journal() const
    {
        std::vector<JournalEntry> entries = JournalFile(JournalPath().string()).ReadAll();
        std::erase_if(entries,
                      [](const JournalEntry& entry) { return entry.kind == JournalKind::charged; });
        return entries;
    }

    ExpectedSettings settings;
    FakeIdleSource idle;
    ScriptedPrompts prompts;
    FakeDialogs dialogs{prompts, WhenNoAnswerLeft::Fail};
    std::unique_ptr<Tallydene> app;

private:
    LocalZone zone{"XXX-1"};
};

} // namespace

// Ten minutes of work, then the laptop sleeps eight hours across midnight. Nothing of the
// night is booked before the answer, Tuesday's target is charged once, and each answer leaves
// the accounts, the event log, the journal and the file as it says.
TEST_F(AwayTime, AnEightHourSleepIsBookedOnlyAsTheAnswerSays)
{
    const struct
    {
        Answer answer;
        int64_t kept;
        const char* logged;
        bool running;
    } cases[] = {{Answer::Keep, 8 * kHour, "Booked away time: 28800", true},
                 {Answer::Discard, 0, "Discarded away time: 28800", true},
                 {Answer::DiscardAndPause, 0, "Discarded away time: 28800", false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.logged + std::string(c.running ? " running" : " paused"));
        std::filesystem::remove(LogFile());
        std::filesystem::remove(JournalPath());
        RunReport();
        Work(10);
        clock.Suspend(8 * kHour); // until 01:10 UTC on Tuesday
        app->UpdateTime();
        const int64_t charged = -2 * kHour + 600 - 1 * kHour;
        EXPECT_EQ((std::array<int64_t, 3>{1200, 1800, charged}), Accounts());
        ASSERT_TRUE(app->IsAwayQuestionDue());

        EXPECT_EQ("You were away from 2026-03-02 18:10 to 2026-03-03 02:10 (8:00) while Report "
                  "was running.",
                  Ask(c.answer));
        EXPECT_FALSE(app->IsAwayQuestionDue());
        EXPECT_EQ((std::array<int64_t, 3>{1200 + c.kept, 1800 + c.kept, charged + c.kept}),
                  Accounts());
        EXPECT_EQ(c.running, app->GetActiveTodo() == &Report());
        EXPECT_NE(std::string::npos, SavedLog().find(c.logged));

        ExpectedSettings expected = settings;
        expected.lastTimeUpdated = ClockAt(2026, 3, 3, 1, 10);
        expected.actual = static_cast<int32_t>(charged + c.kept);
        expected.projects = {{"Office",
                              static_cast<int32_t>(1800 + c.kept),
                              {{"Report", static_cast<int32_t>(1200 + c.kept)}, {"Mail", 300}}}};
        EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());

        // The day is not charged again; the journal's session holds the night only when kept.
        Work(1);
        app.reset();
        const std::vector<JournalEntry> entries = Journal();
        ASSERT_LE(2u, entries.size());
        EXPECT_EQ(600 + c.kept + (c.kept != 0 ? kMinute : 0), entries[1].todoSeconds);
        EXPECT_EQ(c.kept != 0 ? "quit" : "away", entries[1].note);
        // Running on, a new session starts where the user came back.
        EXPECT_EQ(c.answer == Answer::Discard ? 4u : 2u, entries.size());
    }
}

// A time service puts the clock an hour forward, later back again: the work in between is
// booked as it passed, the hour neither added nor taken, and no away time is asked about. Only
// the calendar asks whether the clock, now behind the last update, is right.
TEST_F(AwayTime, AClockSetForwardAndBackChangesNothing)
{
    RunReport();
    Work(5);
    clock.MoveWallClock(kHour);
    Work(5);
    window.prompts.answers = {true};
    clock.MoveWallClock(-kHour);
    Work(5);
    EXPECT_EQ((std::array<int64_t, 3>{600 + 900, 1200 + 900, -2 * kHour + 900}), Accounts());
    EXPECT_FALSE(app->GetAwayTime().has_value());
    ASSERT_EQ(1u, window.prompts.shown.size());
    EXPECT_EQ(0u, window.prompts.shown[0].message.find("The clock shows "));
}

// The user leaves at 17:05. Back after ten minutes, all of it counts; back after twenty, the
// idle time booked before the desktop was found idle goes back into the question, and until
// the user is back no question opens.
TEST_F(AwayTime, AnIdleDesktopIsAskedAboutOnlyPastTheThreshold)
{
    for (int away : {10, 20})
    {
        SCOPED_TRACE(away);
        RunReport();
        Work(5);
        for (int minute = 1; minute <= away; ++minute)
        {
            idle.idle = minute * kMinute;
            Work(1);
            EXPECT_FALSE(app->IsAwayQuestionDue());
        }
        idle.idle = kMinute; // back as the last idle minute ended
        Work(1);
        idle.idle = 0;
        Work(4);
        const int64_t worked = (10 + away) * kMinute;
        const int64_t asked = away > 15 ? away * kMinute : 0;
        EXPECT_EQ(600 + worked - asked, Report().GetTime());
        EXPECT_EQ(asked != 0, app->IsAwayQuestionDue());
        if (asked != 0)
        {
            EXPECT_EQ("You were away from 18:05 to 18:25 (0:20) while Report was running.",
                      Ask(Answer::Keep));
        }
        EXPECT_EQ(600 + worked, Report().GetTime());
    }
}

// With the threshold 0 nothing is asked: a sleep is booked as the time that passed.
TEST_F(AwayTime, ThresholdZeroBooksTheGapAsBefore)
{
    settings.awayThresholdMinutes = 0;
    RunReport();
    clock.Suspend(8 * kHour);
    app->UpdateTime();
    EXPECT_FALSE(app->GetAwayTime().has_value());
    EXPECT_EQ(600 + 8 * kHour, Report().GetTime());
}

// A sleep of an hour, a question put off, five minutes of work, then forty minutes without a
// tick: one question holds both gaps, and the five minutes are booked at once.
TEST_F(AwayTime, TwoGapsBeforeAnAnswerMakeOneQuestion)
{
    RunReport();
    clock.Suspend(kHour);
    app->UpdateTime();
    dialogs.away.emplace_back(PressCancel<AwayTimeForm>);
    AwayTimeForm::Ask(*app, dialogs);
    EXPECT_TRUE(app->IsAwayQuestionDue()); // Cancel asks again later
    Work(5);
    clock.Advance(40 * kMinute); // the program was not scheduled
    app->UpdateTime();
    EXPECT_EQ(600 + 5 * kMinute, Report().GetTime());
    EXPECT_EQ("You were away from 18:00 to 19:45 (1:40) while Report was running.",
              Ask(Answer::Keep));
    EXPECT_EQ(600 + 5 * kMinute + 100 * kMinute, Report().GetTime());
    EXPECT_EQ(std::vector<std::string>({"away time", "away time"}), dialogs.opened);
}

// The user pauses and deletes the todo before the question opens: it names no todo and keeps
// nothing, as there is nothing left to keep it on.
TEST_F(AwayTime, AwayTimeOfADeletedTodoCanOnlyBeDiscarded)
{
    RunReport();
    clock.Suspend(kHour);
    app->UpdateTime();
    app->Pause();
    Project& office = ProjectNamed(*app, "Office");
    office.GetTodos().Delete(&Report());
    EXPECT_EQ("You were away from 18:00 to 19:00 (1:00) while a todo deleted since was running.",
              Ask(Answer::Keep));
    EXPECT_EQ(1200, office.GetTotalTime());
    EXPECT_NE(std::string::npos, SavedLog().find("Discarded away time: 3600"));
}

// Quitting before the first tick after a sleep: the question comes first, Cancel keeps the
// program running, and the answer is what gets booked. Ending without the user (a logout, a
// signal) discards it and says so in the event log.
TEST_F(AwayTime, QuittingRightAfterASleepAsksAboutTheAwayTimeFirst)
{
    for (const bool userQuits : {true, false})
    {
        SCOPED_TRACE(userQuits ? "quit" : "logout");
        std::filesystem::remove(LogFile());
        RunReport();
        Work(10);
        clock.Suspend(8 * kHour);
        if (userQuits)
        {
            dialogs.away.emplace_back([](AwayTimeForm&) { return false; });
            EXPECT_FALSE(AskAboutAwayBeforeQuitting(*app, dialogs));
            EXPECT_TRUE(app->GetAwayTime());
            dialogs.away.emplace_back([](AwayTimeForm& form) { form.answer = Answer::Keep; });
            EXPECT_TRUE(AskAboutAwayBeforeQuitting(*app, dialogs));
            EXPECT_EQ(1200 + 8 * kHour, Report().GetTime());
            EXPECT_TRUE(AskAboutAwayBeforeQuitting(*app, dialogs)); // nothing left to ask
        }
        app.reset();
        EXPECT_EQ(userQuits, SavedLog().find("Booked away time: 28800") != std::string::npos);
        EXPECT_EQ(!userQuits, SavedLog().find("Discarded away time: 28800") != std::string::npos);
    }
}

// The timer may tick late: an update up to a minute past the threshold is still work. With a
// threshold of one minute, ticks a second late book every second and ask nothing.
TEST_F(AwayTime, ALateTickIsWorkUpToAMinutePastTheThreshold)
{
    const struct
    {
        int thresholdMinutes;
        int64_t tickSeconds;
        int ticks;
        bool away;
    } cases[] = {
        {15, 15 * kMinute + 59, 1, false},
        {15, 15 * kMinute + 61, 1, true},
        {1, kMinute + 1, 10, false},
        {1, 2 * kMinute + 1, 1, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.thresholdMinutes) + " min, tick " +
                     std::to_string(c.tickSeconds));
        settings.awayThresholdMinutes = c.thresholdMinutes;
        RunReport();
        for (int tick = 0; tick < c.ticks; ++tick)
        {
            clock.Advance(c.tickSeconds);
            app->UpdateTime();
        }
        EXPECT_EQ(600 + (c.away ? 0 : c.ticks * c.tickSeconds), Report().GetTime());
        EXPECT_EQ(c.away, app->IsAwayQuestionDue());
        app.reset();
    }
}

// Back after an hour asleep, the user works 23 minutes before discarding. No session in the
// journal booked more than it lasted: the time since the return is a session of its own.
TEST_F(AwayTime, DiscardingSplitsTheSessionWhereTheUserLeftAndCameBack)
{
    for (const Answer answer : {Answer::Discard, Answer::DiscardAndPause})
    {
        std::filesystem::remove(JournalPath());
        RunReport();
        Work(1);
        clock.Suspend(kHour);
        Work(23);
        Ask(answer);
        Work(2);
        app.reset();
        std::vector<JournalEntry> sessions = Journal();
        std::erase_if(sessions,
                      [](const JournalEntry& e) { return e.kind != JournalKind::session; });
        ASSERT_EQ(2u, sessions.size());
        EXPECT_EQ(kMinute, sessions[0].todoSeconds);
        EXPECT_EQ((answer == Answer::Discard ? 25 : 23) * kMinute, sessions[1].todoSeconds);
        for (const JournalEntry& session : sessions)
            EXPECT_EQ(session.end - session.start, session.balanceSeconds);
        EXPECT_EQ(sessions[0].end + kHour, sessions[1].start);
    }
}
