#include "tests/app/ViewScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

class DropCommands : public ViewScenario
{
protected:
    void SetUp() override
    {
        StartWith({{"Office", 2000, {{"Mail", 600}, {"Report", 300}}},
                   {"Home", 100, {{"mail", 0}, {"Garden", 0}, {"Taxes", 100, 0}}},
                   {"Web", 0, {{"Mail", 0}}}});
    }
};

TEST_F(DropCommands, ATodoDroppedOnAnotherProjectMovesToItsSortedPlace)
{
    Select(T("Office", "Mail")); // the drag selects it
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 10, 0);
    Todo& mail = T("Office", "Mail");
    commands->DropOnItem(mail, &P("Home"));

    // "mail" differs in letter case only, so Mail may join it.
    EXPECT_EQ(&P("Home"), mail.GetProject());
    EXPECT_EQ((Lines{"Taxes", "Garden", "mail", "Mail"}), TreeTodos(P("Home")));
    EXPECT_EQ((Lines{"Report"}), TreeTodos(P("Office")));
    EXPECT_EQ(&mail, Selected());
    EXPECT_EQ(P("Office").GetLabel(*app), FakeTreeControl::Of(view.tree.NodeOf(P("Office")))->text);
    EXPECT_EQ(P("Home").GetLabel(*app), FakeTreeControl::Of(view.tree.NodeOf(P("Home")))->text);
    EXPECT_EQ((Lines{"Activated a todo: Mail", "Moved a todo: Mail"}), Logged());
    // The todo goes on running. The minutes before the move are booked on the old project, which
    // keeps its total; the new one holds the todo's time at once, and what runs on.
    EXPECT_EQ(&mail, app->GetActiveTodo());
    clock.Set(2026, 3, 2, 10, 20, 0);
    app->UpdateTime();
    EXPECT_EQ(600 + 1200, mail.GetTime());
    EXPECT_EQ(
        Config(
            {{"Office", 2000 + 600, {{"Report", 300}}},
             {"Home", 100 + 1800, {{"mail", 0}, {"Garden", 0}, {"Taxes", 100, 0}, {"Mail", 1800}}},
             {"Web", 0, {{"Mail", 0}}}},
            At(10, 20)),
        SavedConfig());
}

// Not only at the next start: the status line and the stored file show the new total at once.
TEST_F(DropCommands, AMovedTodoRaisesItsNewProjectsTotalToItsTodosSumAtOnce)
{
    commands->DropOnItem(T("Office", "Report"), &P("Web"));
    EXPECT_EQ(2000, P("Office").GetTotalTime());
    EXPECT_EQ(300, P("Web").GetTotalTime());
    EXPECT_EQ("Open todos: 0,3      Projects: 0,7", view.statusTexts.back());
    EXPECT_EQ(Config({{"Office", 2000, {{"Mail", 600}}},
                      {"Home", 100, {{"mail", 0}, {"Garden", 0}, {"Taxes", 100, 0}}},
                      {"Web", 300, {{"Mail", 0}, {"Report", 300}}}},
                     At(10)),
              SavedConfig());
}

TEST_F(DropCommands, ATodoIsNotMovedWhereItsNameIsTaken)
{
    commands->DropOnItem(T("Office", "Mail"), &P("Web"));
    EXPECT_EQ((Lines{"refuse: A todo with this name already exists."}), Boxes());
    EXPECT_EQ((Lines{"Mail", "Report"}), TreeTodos(P("Office")));
    EXPECT_EQ((Lines{"Mail"}), TreeTodos(P("Web")));
    EXPECT_EQ(&P("Office"), T("Office", "Mail").GetProject());
    EXPECT_TRUE(Logged().empty());
}

TEST_F(DropCommands, DropsThatMeanNothingChangeNothing)
{
    const std::string stored = SavedConfig();
    const int nodes = view.tree.LiveCount();
    commands->DropOnItem(T("Office", "Mail"), &P("Office")); // its own project
    commands->DropOnItem(T("Office", "Mail"), nullptr);      // empty space
    commands->DropOnItem(P("Office"), &P("Home"));           // a project dragged
    commands->DropOnItem(P("Office"), &T("Home", "Garden"));

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_EQ(nodes, view.tree.LiveCount());
    EXPECT_EQ((Lines{"Mail", "Report"}), TreeTodos(P("Office")));
    EXPECT_EQ(stored, SavedConfig());
    EXPECT_TRUE(Logged().empty());
}

TEST_F(DropCommands, ATodoDroppedOnATodoTransfersThroughTheSimpleDialog)
{
    dialogs.transfer.push_back([](TransferTimeForm& form) { form.amount = "0,1"; });
    commands->DropOnItem(T("Office", "Mail"), &T("Home", "Garden"));
    commands->DropOnItem(T("Office", "Mail"), &T("Office", "Report")); // cancelled

    EXPECT_EQ((Lines{"simple transfer", "simple transfer"}), dialogs.opened);
    EXPECT_EQ(600 - 360, T("Office", "Mail").GetTime());
    EXPECT_EQ(360, T("Home", "Garden").GetTime());
    EXPECT_EQ((Lines{"Transferred time between todos"}), Logged());
    EXPECT_EQ(Config({{"Office", 2000 - 360, {{"Mail", 240}, {"Report", 300}}},
                      {"Home", 100 + 360, {{"mail", 0}, {"Garden", 360}, {"Taxes", 100, 0}}},
                      {"Web", 0, {{"Mail", 0}}}},
                     At(10)),
              SavedConfig());
}

TEST_F(DropCommands, ATodoDroppedOnItselfKeepsItsTimeAndItsProjectsTotal)
{
    dialogs.transfer.push_back([](TransferTimeForm& form) { form.amount = "0,5"; });
    prompts.answers = {true}; // Mail has only 600 s: all of it then
    commands->DropOnItem(T("Office", "Mail"), &T("Office", "Mail"));

    EXPECT_EQ(600, T("Office", "Mail").GetTime());
    EXPECT_EQ(2000, P("Office").GetTotalTime());
    EXPECT_EQ((Lines{"Transferred time between todos"}), Logged());
}
