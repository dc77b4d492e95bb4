#include "tests/app/ViewScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

namespace
{
constexpr int32_t kOneHourSeven = 4020;
} // namespace

class TimeCommands : public ViewScenario
{
protected:
    void StartOffice(int32_t timeRound = 1)
    {
        StartWith({{"Office",
                    kOneHourSeven + 900,
                    {{"Report", kOneHourSeven}, {"Mail", 600}, {"Call", 300}}},
                   {"Web", 1800, {{"Shop", 1800}}}},
                  timeRound);
    }

    std::string LabelShown(const TreeItem& item) const
    {
        return FakeTreeControl::Of(view.tree.NodeOf(item))->text;
    }
};

TEST_F(TimeCommands, ZeroingTheActiveTodoLetsItsClockGoOnFromZero)
{
    StartOffice();
    Select(T("Office", "Report"));
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 10, 0);

    prompts.answers = {false};
    Run(ID_TODO_ZERO_TIME);
    EXPECT_EQ(kOneHourSeven + 600,
              T("Office", "Report").GetTime()); // the clock was brought up to date

    prompts.answers = {true};
    Run(ID_TODO_ZERO_TIME);
    EXPECT_EQ((Lines{"question: Sure to zero the todo's time?\nNote: The project's total time is "
                     "not adjusted.",
                     "question: Sure to zero the todo's time?\nNote: The project's total time is "
                     "not adjusted."}),
              Boxes());
    EXPECT_EQ(0, T("Office", "Report").GetTime());
    EXPECT_EQ(&T("Office", "Report"), app->GetActiveTodo());
    EXPECT_EQ(T("Office", "Report").GetLabel(*app), LabelShown(T("Office", "Report")));
    EXPECT_EQ(P("Office").GetLabel(*app), LabelShown(P("Office")));

    clock.Set(2026, 3, 2, 10, 15, 0);
    app->UpdateTime();
    EXPECT_EQ(300, T("Office", "Report").GetTime());
    // The project keeps every second booked.
    EXPECT_EQ(
        Config(
            {{"Office", kOneHourSeven + 900 + 900, {{"Report", 300}, {"Mail", 600}, {"Call", 300}}},
             {"Web", 1800, {{"Shop", 1800}}}},
            At(10, 15)),
        SavedConfig());
    EXPECT_EQ((Lines{"Activated a todo: Report", "Set todo's time to zero: Report"}), Logged());
}

TEST_F(TimeCommands, CopiesPutTheNameOrTheRoundedTimeOnTheClipboard)
{
    StartOffice(2); // quarter hours
    Select(T("Office", "Report"));
    Run(ID_ITEM_COPY_TIME);
    EXPECT_EQ("1,00", view.clipboard); // 1 h 7 min, in two decimals
    Run(ID_ITEM_COPY_NAME);
    EXPECT_EQ("Report", view.clipboard);
    Run(ID_PROJECT_COPY_NAME); // the selected todo's project
    EXPECT_EQ("Office", view.clipboard);
    Run(ID_PROJECT_COPY_TIME);
    EXPECT_EQ("1,25", view.clipboard); // the project's total, 1 h 22 min

    // Copying a running todo's time brings the clock up to date first.
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 20, 0);
    Run(ID_TODO_COPY_TIME);
    EXPECT_EQ("0,50", view.clipboard);
    Select(P("Web"));
    Run(ID_ITEM_COPY_NAME);
    EXPECT_EQ("Web", view.clipboard);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimeCommands, CopiesNeedTheirKindOfItem)
{
    StartOffice();
    Run(ID_ITEM_COPY_NAME);
    Run(ID_ITEM_COPY_TIME);
    EXPECT_TRUE(prompts.shown.empty());
    Run(ID_PROJECT_COPY_TIME);
    Select(P("Web"));
    Run(ID_TODO_COPY_NAME);
    EXPECT_EQ(
        (Lines{"refuse: Please select a project first.", "refuse: Please select a todo first."}),
        Boxes());
    EXPECT_EQ("", view.clipboard);
}

TEST_F(TimeCommands, TodoCommandsRefuseAProjectOrNothing)
{
    StartOffice();
    for (int id : {ID_TODO_ADD_TIME, ID_TODO_REMOVE_TIME, ID_TODO_ZERO_TIME, ID_TODO_COMPLETED,
                   ID_TODO_PRIORITY_1, ID_TODO_PROPERTIES})
    {
        SCOPED_TRACE(id);
        for (const Project* selected : {static_cast<Project*>(nullptr), &P("Web")})
        {
            if (selected != nullptr)
                Select(*selected);
            prompts.shown.clear();
            EXPECT_TRUE(Run(id));
            EXPECT_EQ((Lines{"refuse: Please select a todo first."}), Boxes());
        }
    }
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(Logged().empty());
}

TEST_F(TimeCommands, SettingTheActiveTodoCompletedKeepsItRunningAmongTheCompleted)
{
    StartOffice();
    Select(T("Office", "Call"));
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 5, 0);

    Run(ID_TODO_COMPLETED);
    EXPECT_EQ((Lines{"Mail", "Report", "Call"}), TreeTodos(P("Office")));
    EXPECT_EQ(&T("Office", "Call"), Selected());
    EXPECT_EQ(&T("Office", "Call"), app->GetActiveTodo());
    EXPECT_EQ(kPriorityCompleted, T("Office", "Call").GetPriority());
    // Like every change, it books the clock first and is saved at once.
    EXPECT_EQ(300 + 300, T("Office", "Call").GetTime());
    EXPECT_NE(std::string::npos, SavedConfig().find("<Priority>5</>"));
    EXPECT_EQ((Lines{"Activated a todo: Call", "Set todo to completed: Call"}), Logged());

    clock.Set(2026, 3, 2, 10, 10, 0);
    app->UpdateTime();
    EXPECT_EQ(300 + 600, T("Office", "Call").GetTime());
}

TEST_F(TimeCommands, PrioritiesOneToFiveResortTheTodoAndKeepItSelected)
{
    StartOffice();
    const std::vector<Lines> orders = {{"Mail", "Call", "Report"},
                                       {"Mail", "Call", "Report"},
                                       {"Call", "Mail", "Report"},
                                       {"Call", "Report", "Mail"},
                                       {"Call", "Report", "Mail"}};
    Lines logged;
    for (int n = 1; n <= 5; ++n)
    {
        SCOPED_TRACE(n);
        Select(T("Office", "Mail"));
        Run(ID_TODO_PRIORITY_1 + n - 1);
        EXPECT_EQ(n - 1, T("Office", "Mail").GetPriority());
        EXPECT_EQ(orders[n - 1], TreeTodos(P("Office")));
        EXPECT_EQ(&T("Office", "Mail"), Selected());
        logged.push_back("Set todo's priority to " + std::to_string(n));
    }
    EXPECT_EQ(logged, Logged());
    EXPECT_EQ(Config({{"Office",
                       kOneHourSeven + 900,
                       {{"Report", kOneHourSeven}, {"Mail", 600, 4}, {"Call", 300}}},
                      {"Web", 1800, {{"Shop", 1800}}}},
                     At(10)),
              SavedConfig());
}

TEST_F(TimeCommands, AddAndRemoveTimeChangeTheTodoAndItsProject)
{
    StartOffice();
    Select(T("Office", "Mail"));
    dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "1,5"; });
    Run(ID_TODO_ADD_TIME);
    EXPECT_EQ(600 + 5400, T("Office", "Mail").GetTime());
    EXPECT_EQ(T("Office", "Mail").GetLabel(*app), LabelShown(T("Office", "Mail")));
    EXPECT_EQ(P("Office").GetLabel(*app), LabelShown(P("Office")));

    // More than the todo has: Yes removes what it has.
    Select(T("Office", "Call"));
    prompts.answers = {true};
    dialogs.removeTime.push_back([](RemoveTimeForm& form) { form.amount = "2"; });
    Run(ID_TODO_REMOVE_TIME);
    EXPECT_EQ(0, T("Office", "Call").GetTime());

    Run(ID_TODO_ADD_TIME); // cancelled
    Run(ID_TODO_REMOVE_TIME);
    EXPECT_EQ((Lines{"add time", "remove time", "add time", "remove time"}), dialogs.opened);
    EXPECT_EQ((Lines{"Added time to a todo: Mail", "Removed time from a todo: Call"}), Logged());
    EXPECT_EQ(Config({{"Office",
                       kOneHourSeven + 900 + 5400 - 300,
                       {{"Report", kOneHourSeven}, {"Mail", 6000}, {"Call", 0}}},
                      {"Web", 1800, {{"Shop", 1800}}}},
                     At(10)),
              SavedConfig());
}

TEST_F(TimeCommands, TransferTakesTheActiveTodoFromAndTheSelectedTodoTo)
{
    StartOffice();
    Select(T("Office", "Report"));
    Run(ID_TODO_ACTIVATE);
    Select(T("Web", "Shop"));
    // A negative amount moves time back from the to todo.
    dialogs.transfer.push_back([](TransferTimeForm& form) { form.amount = "-0,25"; });
    Run(ID_TODO_TRANSFER_TIME);

    EXPECT_EQ(&T("Office", "Report"), dialogs.preselectedFrom);
    EXPECT_EQ(&T("Web", "Shop"), dialogs.preselectedTo);
    EXPECT_EQ(kOneHourSeven + 900, T("Office", "Report").GetTime());
    EXPECT_EQ(900, T("Web", "Shop").GetTime());
    EXPECT_EQ((Lines{"Activated a todo: Report", "Transferred time between todos"}), Logged());
    EXPECT_EQ(Config({{"Office",
                       kOneHourSeven + 900 + 900,
                       {{"Report", kOneHourSeven + 900}, {"Mail", 600}, {"Call", 300}}},
                      {"Web", 900, {{"Shop", 900}}}},
                     At(10)),
              SavedConfig());
    // The selectors took the items' nodes; the main tree has them all back, up to date.
    EXPECT_EQ(6, view.tree.LiveCount());
    for (const TreeItem* item :
         {static_cast<TreeItem*>(&T("Office", "Report")), static_cast<TreeItem*>(&P("Web"))})
    {
        EXPECT_EQ(item, view.tree.GetNodeData(view.tree.NodeOf(*item)));
        EXPECT_EQ(item->GetLabel(*app), LabelShown(*item));
    }
}

TEST_F(TimeCommands, TransferWithoutAnActiveTodoStartsFromTheSelection)
{
    StartOffice();
    Select(T("Web", "Shop"));
    // A project picked as the to todo is refused; then the user gives up.
    dialogs.transfer.push_back([this](TransferTimeForm& form) { form.toChoice = &P("Office"); });
    Run(ID_TODO_TRANSFER_TIME);
    EXPECT_EQ(&T("Web", "Shop"), dialogs.preselectedFrom);
    EXPECT_EQ(nullptr, dialogs.preselectedTo);
    EXPECT_EQ((Lines{"refuse: Please select a todo in both selectors."}), Boxes());
    EXPECT_TRUE(Logged().empty());

    // Filling the selectors left the main tree alone: the selection is still there, so the
    // next transfer starts from it again.
    EXPECT_EQ(&T("Web", "Shop"), Selected());
    Run(ID_TODO_TRANSFER_TIME);
    EXPECT_EQ(&T("Web", "Shop"), dialogs.preselectedFrom);
    EXPECT_EQ(nullptr, dialogs.preselectedTo);
    EXPECT_EQ(1800, T("Web", "Shop").GetTime());
}
