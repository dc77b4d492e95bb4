#include "tests/app/ViewScenario.h"

#include "app/clock/LocalDates.h"
#include "app/commands/AppCommands.h"
#include "app/forms/ReportForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/LocalZone.h"

#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>

using namespace res;

namespace
{

std::string Date(int64_t moment)
{
    return LocalDates::Text(moment, "%Y-%m-%d %H:%M");
}

} // namespace

class ReportFormTest : public ViewScenario
{
protected:
    void At(int day, int hour, int minute, int second = 0)
    {
        clock.Set(2026, 3, day, hour, minute, second);
    }
    void Activate(const char* project, const char* todo)
    {
        Select(T(project, todo));
        Run(ID_TODO_ACTIVATE);
    }
    bool ShowReport() { return AppCommands(*app, prompts, dialogs).Execute(ID_VIEW_REPORT); }
    // The report's totals as "project/todo" and seconds, its days as they come.
    std::map<std::string, int64_t> Totals(const ReportForm& form) const
    {
        std::map<std::string, int64_t> totals;
        for (const ReportForm::Total& total : form.Totals())
            totals[total.project + "/" + total.todo] = total.seconds;
        return totals;
    }

    LocalZone zone{"UTC0"};
};

TEST_F(ReportFormTest, TheWeeksTotalsAgreeWithTheTreeToTheSecondAndTheDaysWithTheAccount)
{
    settings.workingTimeEnabled = true;
    settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
    StartWith({{"Office", 3000, {{"Report", 1200}, {"Mail", 600}, {"Call", 300}}},
               {"Home", 100, {{"Garden", 100}}}});
    // Monday: two sessions, time added and moved by hand.
    At(2, 10, 0);
    Activate("Office", "Report");
    At(2, 10, 30);
    Activate("Office", "Mail");
    At(2, 10, 45);
    dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "0:10"; });
    Run(ID_TODO_ADD_TIME);
    dialogs.transfer.push_back([](TransferTimeForm& form) { form.amount = "0:05"; });
    Select(T("Office", "Call"));
    Run(ID_TODO_TRANSFER_TIME);
    At(2, 11, 0, 17);
    Run(ID_TODO_PAUSE);
    const int64_t mondaysBalance = app->GetOvertimeAccount().GetBalance();
    // Tuesday: Report zeroed, Garden renamed and still running at the last tick.
    At(3, 9, 0);
    prompts.answers = {true};
    Select(T("Office", "Report"));
    Run(ID_TODO_ZERO_TIME);
    Activate("Home", "Garden");
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Lawn"; });
    Run(ID_TODO_PROPERTIES);
    At(3, 9, 47, 13);
    app->UpdateTime();

    bool shown = false;
    dialogs.report.push_back(
        [&](ReportForm& form)
        {
            shown = true;
            EXPECT_EQ("2026-03-02 00:00", Date(form.GetPeriod().GetStart()));
            EXPECT_EQ((std::map<std::string, int64_t>{
                          {"Office/", P("Office").GetTotalTime() - 3000},
                          {"Office/Mail", T("Office", "Mail").GetTime() - 600},
                          {"Office/Call", T("Office", "Call").GetTime() - 300},
                          {"Office/Report", T("Office", "Report").GetTime() - 1200},
                          {"Home/", P("Home").GetTotalTime() - 100},
                          {"Home/Lawn", T("Home", "Lawn").GetTime() - 100}}),
                      Totals(form));
            const std::vector<ReportForm::Day>& days = form.Days();
            ASSERT_EQ(7u, days.size());
            // Monday's sessions and the ten minutes added; the transfer moved, not worked.
            EXPECT_EQ(1800 + 1817 + 600, days[0].worked);
            EXPECT_EQ(47 * 60 + 13, days[1].worked);
            EXPECT_EQ(8 * kHour, days[1].target);
            EXPECT_EQ(0, days[5].target);
            EXPECT_EQ(mondaysBalance, days[0].balance);
            EXPECT_EQ(app->GetOvertimeAccount().GetBalance(), days[1].balance);
            EXPECT_FALSE(days[2].balance);

            // The month holds the same; back to the week, then the week before holds nothing.
            form.ShowSpan(ReportSpan::month);
            EXPECT_EQ(31u, form.Days().size());
            EXPECT_EQ(Totals(form).size(), form.Totals().size());
            form.ShowSpan(ReportSpan::week);
            EXPECT_EQ("2026-03-02 00:00", Date(form.GetPeriod().GetStart()));
            form.Step(-1);
            EXPECT_EQ("2026-02-23 00:00", Date(form.GetPeriod().GetStart()));
            EXPECT_TRUE(form.Totals().empty());
        });
    EXPECT_TRUE(ShowReport());
    EXPECT_TRUE(shown);
}

TEST(ReportPeriodTest, WeeksStartOnTheLocalesFirstWeekdayAndDaysAtLocalMidnight)
{
    LocalZone zone("Europe/Berlin");
    const int64_t sunday = 1772967600; // Sunday 8 March 2026, 12:00 in Berlin
    struct Case
    {
        ReportSpan span;
        int firstWeekday;
        int steps;
        const char* first;
        const char* end;
        size_t days;
    } cases[] = {
        {ReportSpan::week, 1, 0, "2026-03-02 00:00", "2026-03-09 00:00", 7},
        {ReportSpan::week, 0, 0, "2026-03-08 00:00", "2026-03-15 00:00", 7},
        {ReportSpan::week, 6, 0, "2026-03-07 00:00", "2026-03-14 00:00", 7},
        // Summer time starts on 29 March: that day has 23 hours.
        {ReportSpan::week, 1, 3, "2026-03-23 00:00", "2026-03-30 00:00", 7},
        {ReportSpan::day, 1, -8, "2026-02-28 00:00", "2026-03-01 00:00", 1},
        {ReportSpan::month, 1, -1, "2026-02-01 00:00", "2026-03-01 00:00", 28},
        {ReportSpan::month, 1, 10, "2027-01-01 00:00", "2027-02-01 00:00", 31},
        {ReportSpan::month, 1, 23, "2028-02-01 00:00", "2028-03-01 00:00", 29},
    };
    for (const Case& each : cases)
    {
        ReportPeriod period(each.span, sunday, each.firstWeekday);
        period.Step(each.steps);
        SCOPED_TRACE(each.first);
        EXPECT_EQ(each.first, Date(period.GetStart()));
        EXPECT_EQ(each.end, Date(period.GetEnd()));
        ASSERT_EQ(each.days, period.Days().size());
        for (int64_t day : period.Days())
            EXPECT_EQ("00:00", LocalDates::Text(day, "%H:%M"));
    }
}

TEST_F(ReportFormTest, CsvShowsFormulaLikeNamesAsTextAndKeepsNegativeDurationsAsNumbers)
{
    StartWith({{"-Ops", 0, {{"=1+1", 0}}}});
    const int64_t monday = 1772445600; // 10:00 on 2 March 2026
    app->GetJournal().GetFile().Append(
        {"remove", monday, monday, -5400, -5400, 0, "-Ops", "=1+1", ""});
    dialogs.report.push_back(
        [](ReportForm& form)
        {
            EXPECT_EQ("From,To,Project,Todo,Duration,Hours\r\n"
                      "2026-03-02,2026-03-08,'-Ops,,-1:30,-1.50\r\n"
                      "2026-03-02,2026-03-08,'-Ops,'=1+1,-1:30,-1.50\r\n",
                      form.Csv());
        });
    EXPECT_TRUE(ShowReport());
}

TEST_F(ReportFormTest, CsvAndTextKeepQuotesCommasLineBreaksAndWideLetters)
{
    StartWith({{"Acme, \"Big\" Co", 0, {{"Line\nbreak", 0}}}, {"Büro", 0, {{"Post", 0}}}});
    const JournalFile& journal = app->GetJournal().GetFile();
    const int64_t monday = 1772445600; // 10:00 on 2 March 2026
    journal.Append({"session", monday, monday + 5430, 5430, 5430, 0, "Acme, \"Big\" Co",
                    "Line\nbreak", "paused"});
    journal.Append({"add", monday + 6000, monday + 6000, 900, 900, 0, "Büro", "Post", ""});
    dialogs.report.push_back(
        [this](ReportForm& form)
        {
            EXPECT_EQ("From,To,Project,Todo,Duration,Hours\r\n"
                      "2026-03-02,2026-03-08,\"Acme, \"\"Big\"\" Co\",,1:31,1.51\r\n"
                      "2026-03-02,2026-03-08,\"Acme, \"\"Big\"\" Co\",\"Line\nbreak\",1:31,1.51\r\n"
                      "2026-03-02,2026-03-08,Büro,,0:15,0.25\r\n"
                      "2026-03-02,2026-03-08,Büro,Post,0:15,0.25\r\n",
                      form.Csv());
            const std::string text = form.Text();
            EXPECT_NE(std::string::npos, text.find("\n                Line break  1:31   1.51\n"
                                                   "Büro                        0:15   0.25\n"
                                                   "                Post        0:15   0.25\n"))
                << text;

            // Exported as shown; a folder that is not there is told.
            const std::filesystem::path file = DataFolder() / "week.csv";
            EXPECT_TRUE(form.ExportCsv(file.string(), prompts));
            EXPECT_EQ(form.Csv(), ReadFileBytes(file.c_str()));
            EXPECT_FALSE(form.ExportCsv((DataFolder() / "gone" / "week.csv").string(), prompts));
        });
    EXPECT_TRUE(ShowReport());
    EXPECT_TRUE(dialogs.report.empty());
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_NE(std::string::npos, Boxes()[0].find("could not be written to")) << Boxes()[0];
}

// First used on Wednesday 4 March; away until Monday 16 March, whose gap the user left
// uncharged. The week before the first day shows no balance and no target, the gap's days show
// as uncharged, and what the report shows of the past stays while the clock runs on.
TEST_F(ReportFormTest, TheBalanceStartsAtTheFirstDayAndAGapLeftUnchargedShowsAsSuch)
{
    settings.workingTimeEnabled = true;
    settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
    settings.lastTimeUpdated = ClockAt(2026, 3, 4, 9, 0);
    At(4, 9, 0);
    StartWith({{"Office", 0, {{"Mail", 0}}}});
    const int64_t firstBalance = app->GetOvertimeAccount().GetBalance();
    At(4, 10, 0);
    Activate("Office", "Mail");
    At(4, 12, 0);
    Run(ID_TODO_PAUSE);
    At(16, 9, 0);
    view.prompts.answers = {false};
    app->UpdateTime();
    Activate("Office", "Mail");
    At(16, 10, 0);
    app->UpdateTime();
    const int64_t balanceAtOpen = app->GetOvertimeAccount().GetBalance();
    ASSERT_EQ(firstBalance + 3 * kHour, balanceAtOpen);

    dialogs.report.push_back(
        [&](ReportForm& form)
        {
            // The clock books on while the window is open.
            At(16, 10, 30);
            app->UpdateTime();
            EXPECT_TRUE(form.Days()[0].uncharged);
            EXPECT_EQ(0, form.Days()[0].target);
            EXPECT_EQ(balanceAtOpen, form.Days()[0].balance);
            form.Step(-2);
            const std::vector<ReportForm::Day>& days = form.Days();
            for (int day : {0, 1})
            {
                EXPECT_FALSE(days[day].balance) << day;
                EXPECT_EQ(0, days[day].target) << day;
                EXPECT_FALSE(days[day].uncharged) << day;
            }
            EXPECT_EQ(firstBalance + 2 * kHour, days[2].balance);
            EXPECT_EQ(8 * kHour, days[2].target);
            EXPECT_TRUE(days[3].uncharged);
            EXPECT_EQ(0, days[3].target);
            EXPECT_EQ(firstBalance + 2 * kHour, days[4].balance);
            EXPECT_NE(std::string::npos, form.Text().find("uncharged")) << form.Text();
            form.Step(2);
            EXPECT_EQ(balanceAtOpen, form.Days()[0].balance);
        });
    EXPECT_TRUE(ShowReport());
}
