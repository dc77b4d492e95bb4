#include "tests/app/ViewScenario.h"

#include "app/forms/AddTimeForm.h"
#include "app/forms/HistoryForm.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/LocalZone.h"

#include <cstdlib>
#include <functional>
#include <ctime>
#include <optional>

using namespace res;

class HistoryFormTest : public ViewScenario
{
protected:
    // Mail ran 10:00-10:30 and Call 10:40-11:00 on Monday 2 March 2026 (UTC).
    void StartWithTwoSessions()
    {
        settings.workingTimeEnabled = true;
        StartWith({{"Office", 3000, {{"Mail", 600}, {"Call", 300}}}});
        RunFor("Mail", 10, 0, 10, 30);
        RunFor("Call", 10, 40, 11, 0);
        clock.Set(2026, 3, 2, 12, 0, 0);
        form.emplace(*app);
        form->Open();
    }
    void RunFor(const char* todo, int fromHour, int fromMinute, int toHour, int toMinute)
    {
        clock.Set(2026, 3, 2, fromHour, fromMinute, 0);
        Select(T("Office", todo));
        Run(ID_TODO_ACTIVATE);
        clock.Set(2026, 3, 2, toHour, toMinute, 0);
        Run(ID_TODO_PAUSE);
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> lines;
        for (const HistoryForm::Row& row : form->Rows())
            lines.push_back(form->Cell(row, 0) + "|" + form->Cell(row, 1) + "|" +
                            form->Cell(row, 2) + "|" + form->Cell(row, 3));
        return lines;
    }
    size_t SessionOf(const std::string& todo) const
    {
        for (const HistoryForm::Row& row : form->Rows())
            if (!row.day && form->SessionAt(row.session).todo == todo &&
                form->SessionAt(row.session).kind == JournalKind::session)
                return row.session;
        ADD_FAILURE() << "no session of " << todo;
        return 0;
    }

    // The days and times shown are local: here they are UTC.
    LocalZone zone{"UTC0"};
    std::optional<HistoryForm> form;
};

TEST_F(HistoryFormTest, EditingASessionMovesTheTodoProjectAndBalanceByTheDifference)
{
    StartWithTwoSessions();
    EXPECT_EQ(
        (std::vector<std::string>{"Monday, 02 March 2026|0,8||", "10:40 - 11:00|0,3|Office|Call",
                                  "10:00 - 10:30|0,5|Office|Mail"}),
        Shown());
    const int32_t balance = app->GetOvertimeAccount().GetBalance();
    const int32_t total = P("Office").GetTotalTime();

    // Refused: no moment, end before start, overlapping Call, in the future, a missing todo.
    prompts.answers = {};
    for (const auto& [start, end] :
         std::vector<std::pair<std::string, std::string>>{{"2026-03-02 9:50", "2026-03-02 10:30"},
                                                          {"2026-03-02 10:30", "2026-03-02 10:00"},
                                                          {"2026-03-02 10:00", "2026-03-02 10:45"},
                                                          {"2026-03-02 10:00", "2026-03-02 12:01"}})
        EXPECT_FALSE(form->EditSession(SessionOf("Mail"), start, end, prompts)) << start << end;
    EXPECT_EQ(600 + 1800, T("Office", "Mail").GetTime());

    ASSERT_TRUE(
        form->EditSession(SessionOf("Mail"), "2026-03-02 09:50", "2026-03-02 10:30", prompts));
    EXPECT_EQ(600 + 1800 + 600, T("Office", "Mail").GetTime());
    EXPECT_EQ(total + 600, P("Office").GetTotalTime());
    EXPECT_EQ(balance + 600, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ("Changed a session: Mail", Logged().back());
    EXPECT_EQ(T("Office", "Mail").GetLabel(*app),
              FakeTreeControl::Of(app->GetMainTree()->NodeOf(T("Office", "Mail")))->text);

    // The journal holds the change: a fresh history shows it, and the running total agrees.
    form.emplace(*app);
    form->Open();
    EXPECT_EQ("09:50 - 10:30|0,7|Office|Mail", Shown()[2]);

    prompts.answers = {true};
    ASSERT_TRUE(form->DeleteSession(SessionOf("Call"), prompts));
    EXPECT_EQ(300, T("Office", "Call").GetTime());
    EXPECT_EQ(balance + 600 - 1200, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ("Deleted a session: Call", Logged().back());
    form.emplace(*app);
    form->Open();
    EXPECT_EQ(2u, Shown().size());
    EXPECT_EQ(5u, Boxes().size());
}

TEST_F(HistoryFormTest, FiltersByProjectTodoAndDatesAndKeepsHistoryThroughRenames)
{
    StartWithTwoSessions();
    Select(T("Office", "Mail"));
    dialogs.todo.push_back([](TodoForm& todoForm) { todoForm.name = "Post"; });
    Run(ID_TODO_PROPERTIES);
    form->Open();
    form->todo = "Post";
    ASSERT_TRUE(form->ApplyFilter(prompts));
    EXPECT_EQ(
        (std::vector<std::string>{"Monday, 02 March 2026|0,5||", "10:00 - 10:30|0,5|Office|Post"}),
        Shown());
    // An edit of the renamed todo's session still finds it.
    ASSERT_TRUE(
        form->EditSession(SessionOf("Post"), "2026-03-02 10:00", "2026-03-02 10:20", prompts));
    EXPECT_EQ(600 + 1800 - 600, T("Office", "Post").GetTime());

    form->todo.clear();
    form->from = "2026-03-03";
    ASSERT_TRUE(form->ApplyFilter(prompts));
    EXPECT_TRUE(Shown().empty());
    form->from = "2026-03-02";
    form->to = "2026-03-02";
    form->project = "Home";
    ASSERT_TRUE(form->ApplyFilter(prompts));
    EXPECT_TRUE(Shown().empty());
    form->project = "Office";
    ASSERT_TRUE(form->ApplyFilter(prompts));
    EXPECT_EQ(3u, Shown().size());

    form->to = "2.3.2026";
    EXPECT_FALSE(form->ApplyFilter(prompts));
    EXPECT_EQ("refuse: Please enter the date as YYYY-MM-DD.", Boxes().back());
}

// Mail's session given to Call; a session forgotten on Sunday added to Call; ten minutes added
// by hand listed as such. The todos, Office and the balance move by the sessions' time, a fresh
// history shows it all.
TEST_F(HistoryFormTest, ASessionGetsAnotherTodoAndOneIsAddedForAPastDay)
{
    StartWithTwoSessions();
    dialogs.addTime.push_back([](AddTimeForm& added) { added.amount = "0:10"; });
    Select(T("Office", "Mail"));
    Run(ID_TODO_ADD_TIME);
    form->Open();
    const int64_t balance = app->GetOvertimeAccount().GetBalance();
    const int64_t total = P("Office").GetTotalTime();
    std::string callId;
    for (const HistoryForm::TodoChoice& choice : form->TodoChoices())
        if (choice.todo == "Call")
            callId = choice.id;

    ASSERT_TRUE(form->EditSession(SessionOf("Mail"), "2026-03-02 10:00", "2026-03-02 10:30",
                                  prompts, callId));
    EXPECT_EQ(600 + 600, T("Office", "Mail").GetTime());
    EXPECT_EQ(300 + 1200 + 1800, T("Office", "Call").GetTime());
    EXPECT_EQ(total, P("Office").GetTotalTime());
    EXPECT_EQ(balance, app->GetOvertimeAccount().GetBalance());

    // Overlapping Call's own session: refused.
    EXPECT_FALSE(form->AddSession(callId, "2026-03-02 10:50", "2026-03-02 11:10", prompts));
    ASSERT_TRUE(form->AddSession(callId, "2026-03-01 14:00", "2026-03-01 15:30", prompts));
    EXPECT_EQ(300 + 1200 + 1800 + 5400, T("Office", "Call").GetTime());
    EXPECT_EQ(total + 5400, P("Office").GetTotalTime());
    EXPECT_EQ(balance + 5400, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ("Added a session: Call", Logged().back());

    form->Open();
    EXPECT_EQ((std::vector<std::string>{
                  "Monday, 02 March 2026|1,0||", "12:00 added by hand|0,2|Office|Mail",
                  "10:40 - 11:00|0,3|Office|Call", "10:00 - 10:30|0,5|Office|Call",
                  "Sunday, 01 March 2026|1,5||", "14:00 - 15:30|1,5|Office|Call"}),
              Shown());
    // Time changed by hand is no session to change.
    prompts.answers = {};
    EXPECT_FALSE(form->DeleteSession(form->Rows()[1].session, prompts));
}

// Undo takes back each change made in the history, redo makes it again: the sessions shown by
// a fresh history, their ids and the todos' times are those before and after the change.
TEST_F(HistoryFormTest, UndoAndRedoOfEachChangeInTheHistory)
{
    StartWithTwoSessions();
    const auto state = [this]
    {
        form.emplace(*app);
        form->Open();
        std::vector<std::string> lines = Shown();
        for (const HistoryForm::Row& row : form->Rows())
            if (!row.day)
                lines.push_back(form->SessionAt(row.session).id);
        lines.push_back(std::to_string(T("Office", "Mail").GetTime()) + " " +
                        std::to_string(T("Office", "Call").GetTime()) + " " +
                        std::to_string(app->GetOvertimeAccount().GetBalance()));
        return lines;
    };
    const auto callId = [this]
    {
        for (const HistoryForm::TodoChoice& choice : form->TodoChoices())
            if (choice.todo == "Call")
                return choice.id;
        return std::string();
    };
    const std::vector<std::pair<const char*, std::function<bool()>>> changes{
        {"delete",
         [&]
         {
             prompts.answers = {true};
             return form->DeleteSession(SessionOf("Call"), prompts);
         }},
        {"edit",
         [&]
         {
             return form->EditSession(SessionOf("Mail"), "2026-03-02 09:50", "2026-03-02 10:20",
                                      prompts);
         }},
        {"another todo",
         [&]
         {
             return form->EditSession(SessionOf("Mail"), "2026-03-02 10:00", "2026-03-02 10:30",
                                      prompts, callId());
         }},
        {"add",
         [&] { return form->AddSession(callId(), "2026-03-01 14:00", "2026-03-01 15:30", prompts); }},
    };
    for (const auto& [name, change] : changes)
    {
        const std::vector<std::string> before = state();
        ASSERT_TRUE(change()) << name;
        const std::vector<std::string> after = state();
        EXPECT_NE(before, after) << name;
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(before, state()) << name;
        Run(ID_EDIT_REDO);
        EXPECT_EQ(after, state()) << name;
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(before, state()) << name;
    }
}
