#include "app/clock/ClockValue.h"
#include "model/Todo.h"
#include "tests/app/AppScenario.h"
#include "tests/app/LocalZone.h"

#include <cstdlib>
#include <string>

namespace
{

constexpr int32_t kWorkday = 8 * 3600;

std::string ClockBehindQuestion(const std::string& now, const std::string& lastUpdate)
{
    return "The clock shows " + now + ", earlier than the last update at " + lastUpdate +
           ". Is the clock right?\n\nYes goes on from now; days already charged are not charged "
           "again. No keeps the last update and charges no day until the clock has passed it.";
}

// Eight hours on each weekday and none at the weekend, logging on, one todo. The clock jumps
// between updates here, which would otherwise be away time to ask about.
ExpectedSettings Weekdays(int32_t lastTimeUpdated)
{
    ExpectedSettings settings;
    settings.awayThresholdMinutes = 0;
    settings.lastTimeUpdated = lastTimeUpdated;
    settings.targets = {kWorkday, kWorkday, kWorkday, kWorkday, kWorkday, 0, 0};
    settings.loggingEnabled = true;
    settings.projects = {{"Office", 0, {{"Report", 0}}}};
    return settings;
}

} // namespace

class ChargedDays : public AppScenario
{
protected:
    static int32_t Balance(const Tallydene& app) { return app.GetOvertimeAccount().GetBalance(); }
    std::string Log() const { return ReadFileBytes(LogFile()); }
    std::vector<std::string> Questions() const
    {
        std::vector<std::string> questions;
        for (const ScriptedPrompts::Shown& shown : window.prompts.shown)
            questions.push_back(shown.message);
        return questions;
    }
    void Restart()
    {
        window.prompts.shown.clear();
        std::filesystem::remove(LogFile());
    }

    LocalZone zone{"UTC"};
};

// Tuesday is charged at 00:10, then the clock goes back to Monday 23:55. Asked once: Yes moves
// the last update back to the clock, No keeps it until the clock passes it. The work measured
// meanwhile is booked either way.
// Either way no booked time is taken back and Tuesday is not charged again.
TEST_F(ChargedDays, AClockSetBackAcrossMidnightAndForwardAgainChargesNoDayTwice)
{
    struct Case
    {
        bool clockRight;
        int32_t booked;
        std::string logged;
    };
    const Case cases[] = {
        {true, 1200 + 600 + 900, "Moved the last update back to the clock from"},
        {false, 1200 + 600 + 900, "Kept the last update ahead of the clock"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.logged);
        Restart();
        WriteConfig(Weekdays(ClockAt(2026, 3, 2, 23, 50)));
        clock.Set(2026, 3, 2, 23, 50);
        auto app = Start();
        Todo& report = TodoNamed(*app, "Office", "Report");
        app->Activate(report);
        clock.Set(2026, 3, 3, 0, 10);
        app->UpdateTime();
        EXPECT_EQ(1200 - kWorkday, Balance(*app));

        window.prompts.answers = {c.clockRight};
        clock.Set(2026, 3, 2, 23, 55);
        app->UpdateTime();
        for (int minute : {5, 20})
        {
            clock.Set(2026, 3, 3, 0, minute);
            app->UpdateTime();
        }

        EXPECT_EQ(c.booked, report.GetTime());
        EXPECT_EQ(c.booked - kWorkday, Balance(*app));
        EXPECT_EQ(std::vector{ClockBehindQuestion("2 March 2026, 23:55", "3 March 2026, 00:10")},
                  Questions());
        EXPECT_NE(Log().find(LogLine("2026-03-02 23:55:00", c.logged, "2026-03-03 00:10:00")),
                  std::string::npos);
    }
}

// Thirty days ahead, the 22 working days are charged once the user agrees; back on the right
// date, the clock's return is asked about and the same days are not charged again.
TEST_F(ChargedDays, ARunThirtyDaysAheadThenANormalStartChargesEachWorkingDayOnce)
{
    WriteConfig(Weekdays(ClockAt(2026, 3, 2, 17, 0)));
    clock.Set(2026, 4, 1, 9, 0);
    window.prompts.answers = {true};
    {
        auto app = Start();
        app->UpdateTime();
        EXPECT_EQ(-633600, Balance(*app));
    }
    EXPECT_EQ(std::vector<std::string>{"Charge the targets of the 22 working days since 2 March?"},
              Questions());
    EXPECT_NE(Log().find(LogLine("2026-04-01 09:00:00", "Charged the targets of a long gap",
                                 "22 working days since 2026-03-02")),
              std::string::npos);

    Restart();
    window.prompts.answers = {true};
    clock.Set(2026, 3, 3, 9, 0);
    auto app = Start();
    for (int day = 3; day <= 33; ++day) // up to 2 April
    {
        clock.Set(2026, 3, day, 9, 0);
        app->UpdateTime();
        EXPECT_EQ(day < 33 ? -633600 : -633600 - kWorkday, Balance(*app)) << day;
    }
    EXPECT_EQ(1u, Questions().size());
}

// A start in 2000 reads the last update as lying ahead; a start in 2040 sees a gap of years.
// Both are asked, and No charges nothing. The next start on the right date charges Tuesday,
// the one day that really passed, once.
TEST_F(ChargedDays, AStartWithTheClockYearsOffIsAskedAndChargesNothing)
{
    struct Case
    {
        int year;
        std::string question;
        std::string logged;
        std::vector<bool> answersAfter;
    };
    const Case cases[] = {
        {2000,
         ClockBehindQuestion("3 March 2000, 09:00", "2 March 2026, 17:00"),
         LogLine("2000-03-03 09:00:00", "Kept the last update ahead of the clock",
                 "2026-03-02 17:00:00"),
         {}},
        {2040,
         "Charge the targets of the 3654 working days since 2 March 2026?",
         LogLine("2040-03-03 09:00:00", "Left the targets of a long gap uncharged",
                 "3654 working days since 2026-03-02"),
         {true}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.year);
        Restart();
        WriteConfig(Weekdays(ClockAt(2026, 3, 2, 17, 0)));
        clock.Set(c.year, 3, 3, 9, 0);
        window.prompts.answers = {false};
        {
            auto app = Start();
            app->UpdateTime();
            EXPECT_EQ(0, Balance(*app));
        }
        EXPECT_EQ(std::vector<std::string>{c.question}, Questions());
        EXPECT_NE(Log().find(c.logged), std::string::npos) << Log();

        Restart();
        window.prompts.answers = {c.answersAfter.begin(), c.answersAfter.end()};
        clock.Set(2026, 3, 3, 9, 0);
        auto app = Start();
        app->UpdateTime();
        EXPECT_EQ(-kWorkday, Balance(*app));
        EXPECT_EQ(c.answersAfter.size(), Questions().size());
        clock.Set(2026, 3, 4, 9, 0);
        app->UpdateTime();
        EXPECT_EQ(-2 * kWorkday, Balance(*app));
    }
}

// Last run on Friday 27 November; on Tuesday 15 December, twelve working days are due. Yes
// charges them; No leaves them uncharged and the days from today on are charged as they come.
TEST_F(ChargedDays, AGapOfTwelveWorkingDaysIsChargedOnlyWhenTheUserAgrees)
{
    for (bool charge : {true, false})
    {
        SCOPED_TRACE(charge ? "Yes" : "No");
        Restart();
        WriteConfig(Weekdays(ClockAt(2026, 11, 27, 17, 0)));
        clock.Set(2026, 12, 15, 9, 0);
        window.prompts.answers = {charge};
        auto app = Start();
        app->UpdateTime();
        clock.Set(2026, 12, 16, 9, 0);
        app->UpdateTime();

        EXPECT_EQ((charge ? -12 : 0) * kWorkday - kWorkday, Balance(*app));
        EXPECT_EQ(
            std::vector<std::string>{
                "Charge the targets of the 12 working days since 27 November?"},
            Questions());
        EXPECT_EQ(LogLine("2026-12-15 09:00:00",
                          charge ? "Charged the targets of a long gap"
                                 : "Left the targets of a long gap uncharged",
                          "12 working days since 2026-11-27"),
                  Log());
    }
}

// A gap of a week is charged as it comes; a day more is asked about, counting only the days
// with a target.
TEST_F(ChargedDays, AWeekAwayIsChargedAndADayMoreIsAskedAbout)
{
    const std::string question = "Charge the targets of the 5 working days since 27 November?";
    const struct
    {
        int32_t lastUpdate;
        int day; // of December, at 09:00
        std::deque<bool> answers;
        int chargedDays;
        std::vector<std::string> asked;
    } cases[] = {
        {ClockAt(2026, 11, 27, 17), 4, {}, 5, {}},
        {ClockAt(2026, 11, 28, 17), 5, {}, 5, {}},
        {ClockAt(2026, 11, 27, 17), 5, {false}, 0, {question}},
        {ClockAt(2026, 11, 27, 17), 5, {true}, 5, {question}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.day);
        Restart();
        WriteConfig(Weekdays(c.lastUpdate));
        clock.Set(2026, 12, c.day, 9, 0);
        window.prompts.answers = c.answers;
        auto app = Start();
        app->UpdateTime();
        EXPECT_EQ(-c.chargedDays * kWorkday, Balance(*app));
        EXPECT_EQ(c.asked, Questions());
        EXPECT_TRUE(window.prompts.answers.empty());
    }
}

// With local days each day's target is charged at the local midnight, also after a change to
// daylight saving time; the file keeps UTC seconds. Without the option, midnight UTC counts.
// The option is read from the file and saved back.
TEST_F(ChargedDays, LocalDaysChangeAtTheLocalMidnightOfEachZone)
{
    struct Case
    {
        const char* zone;
        int32_t lastUpdate;
        int32_t before; // a minute before the local midnight, which starts a working day
        int utcDaysBefore;
    };
    const Case cases[] = {
        // Los Angeles, UTC-8: Tuesday 3 March begins at 08:00 UTC, the UTC day at 16:00 Monday.
        {"America/Los_Angeles", ClockAt(2026, 3, 2, 20), ClockAt(2026, 3, 3, 7, 59), 1},
#ifndef _WIN32
        // Berlin: summer time since Sunday 29 March, so Monday begins at 22:00 UTC, not 23:00.
        // (The Windows C runtime takes a zone from TZ without its summer time's rules; the
        // program there follows the system's zone, which has them.)
        {"Europe/Berlin", ClockAt(2026, 3, 28, 12), ClockAt(2026, 3, 29, 21, 59), 0},
#endif
        // Tonga, UTC+13: Tuesday 3 March begins at 11:00 UTC on Monday.
        {"Pacific/Tongatapu", ClockAt(2026, 3, 2, 1), ClockAt(2026, 3, 2, 10, 59), 0},
    };
    for (const Case& c : cases)
    {
        LocalZone local(c.zone);
        for (bool localDays : {true, false})
        {
            SCOPED_TRACE(std::string(c.zone) + (localDays ? " local" : " UTC"));
            Restart();
            ExpectedSettings settings = Weekdays(c.lastUpdate);
            settings.daysLocal = localDays;
            settings.lastChargedDay = localDays ? LocalDayOf(c.lastUpdate) : DayOf(c.lastUpdate);
            WriteConfig(settings);
            clock.Set(1989, 12, 31);
            clock.Advance(c.before);
            auto app = Start();
            app->UpdateTime();
            EXPECT_EQ(localDays ? 0 : -c.utcDaysBefore * kWorkday, Balance(*app));
            clock.Advance(60);
            app->UpdateTime();
            EXPECT_EQ(localDays ? -kWorkday : -c.utcDaysBefore * kWorkday, Balance(*app));
            EXPECT_EQ(c.before + 60, app->GetOvertimeAccount().GetLastTimeUpdated());
            app.reset();
            EXPECT_NE(SavedConfig().find(localDays ? "<DaysAtLocalMidnight>1" : "Midnight>0"),
                      std::string::npos);
        }
    }
}

// Switched on, the option reaches the file under its own key; the days stay as they were.
TEST_F(ChargedDays, TheLocalDaysOptionIsSaved)
{
    ExpectedSettings settings = Weekdays(ClockAt(2026, 3, 2, 9));
    WriteConfig(settings);
    clock.Set(2026, 3, 2, 9);
    Start()->GetOptions().SetDaysLocal(true); // the end saves
    settings.daysLocal = true;
    EXPECT_EQ(ExpectedConfigFile(settings, SavedConfig()), SavedConfig());
}
