#include "tests/app/ViewScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

class ActivationCommands : public ViewScenario
{
protected:
    void SetUp() override
    {
        StartWith({{"Office", 900, {{"Report", 600}, {"Mail", 300}, {"miscellaneous", 0}}},
                   {"Web", 0, {}}});
    }
};

TEST_F(ActivationCommands, SpaceOnAProjectCreatesItsMiscTodoOnceAndActivatesIt)
{
    Select(P("Office"));
    clock.Set(2026, 3, 2, 10, 5, 0);
    EXPECT_TRUE(Run(ID_ITEM_ACTIVATE));

    // "miscellaneous" differs in letter case, so it is not the misc todo.
    Todo& misc = T("Office", "Miscellaneous");
    EXPECT_EQ(&misc, app->GetActiveTodo());
    EXPECT_EQ(&misc, Selected());
    EXPECT_EQ((Lines{"Mail", "miscellaneous", "Miscellaneous", "Report"}), TreeTodos(P("Office")));
    EXPECT_EQ("Miscellaneous", view.titles.back());
    EXPECT_EQ(1, view.focusRequests);

    // Again, with the misc todo running and the project selected through a todo's project.
    clock.Set(2026, 3, 2, 10, 35, 0);
    Select(P("Office"));
    EXPECT_TRUE(Run(ID_ITEM_ACTIVATE));
    EXPECT_EQ(4, P("Office").GetTodos().Count());
    EXPECT_EQ(1800, misc.GetTime());
    EXPECT_EQ(
        (Lines{"Created the misc todo", "Activated the misc todo", "Activated the misc todo"}),
        Logged());
    EXPECT_EQ(
        Config({{"Office",
                 900 + 1800,
                 {{"Report", 600}, {"Mail", 300}, {"miscellaneous", 0}, {"Miscellaneous", 1800}}},
                {"Web", 0, {}}},
               At(10, 35)),
        SavedConfig());
}

TEST_F(ActivationCommands, AProjectWithoutTodosGetsItsMiscTodoToo)
{
    Select(P("Web"));
    Run(ID_ITEM_ACTIVATE);
    EXPECT_EQ(&T("Web", "Miscellaneous"), app->GetActiveTodo());
    EXPECT_EQ((Lines{"Miscellaneous"}), TreeTodos(P("Web")));
}

TEST_F(ActivationCommands, SpaceWithNothingSelectedDoesNothing)
{
    EXPECT_EQ(nullptr, Selected());
    app->UpdateTime(); // the start's save, which adds the ids the file had not
    const std::string stored = SavedConfig();
    EXPECT_TRUE(Run(ID_ITEM_ACTIVATE));
    EXPECT_EQ(nullptr, app->GetActiveTodo());
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(Logged().empty());
    EXPECT_EQ(stored, SavedConfig());
}

TEST_F(ActivationCommands, ActivateFromTheMenuNeedsATodo)
{
    EXPECT_TRUE(Run(ID_TODO_ACTIVATE));
    Select(P("Office"));
    EXPECT_TRUE(Run(ID_TODO_ACTIVATE));
    EXPECT_EQ((Lines{"refuse: Please select a todo first.", "refuse: Please select a todo first."}),
              Boxes());
    EXPECT_EQ(nullptr, app->GetActiveTodo());
    EXPECT_EQ(3, P("Office").GetTodos().Count());
    EXPECT_TRUE(Logged().empty());
    EXPECT_EQ(2, view.focusRequests); // a refusal still gives the tree the focus
}

TEST_F(ActivationCommands, ActivatingBooksTheTimeSoFarOnTheTodoActiveUntilThen)
{
    Select(T("Office", "Report"));
    Run(ID_ITEM_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 20, 0);
    Select(T("Office", "Mail"));
    const auto node = [&](const TreeItem& item)
    { return FakeTreeControl::Of(view.tree.NodeOf(item)); };
    const std::vector<const TreeItem*> changed{&T("Office", "Report"), &T("Office", "Mail"),
                                               &P("Office")};
    for (const TreeItem* item : changed)
        node(*item)->textSets = node(*item)->imageSets = 0;
    Run(ID_TODO_ACTIVATE);
    // Each node the command changed is shown anew once: the todo that ran, its project, and
    // the todo that runs now.
    for (const TreeItem* item : changed)
    {
        EXPECT_EQ(1, node(*item)->textSets) << item->GetName();
        EXPECT_EQ(1, node(*item)->imageSets) << item->GetName();
    }
    clock.Set(2026, 3, 2, 10, 30, 0);
    Run(ID_TODO_ACTIVATE); // already active: still logged, and the clock brought up to date

    EXPECT_EQ(600 + 1200, T("Office", "Report").GetTime());
    EXPECT_EQ(300 + 600, T("Office", "Mail").GetTime());
    EXPECT_EQ(FakeTreeControl::Of(view.tree.NodeOf(T("Office", "Mail")))->text,
              T("Office", "Mail").GetLabel(*app));
    EXPECT_EQ(
        Config({{"Office", 900 + 1800, {{"Report", 1800}, {"Mail", 900}, {"miscellaneous", 0}}},
                {"Web", 0, {}}},
               At(10, 30)),
        SavedConfig());
    EXPECT_EQ(
        (Lines{"Activated a todo: Report", "Activated a todo: Mail", "Activated a todo: Mail"}),
        Logged());
}

TEST_F(ActivationCommands, PauseStopsTheClockAndIsLoggedEvenWhenPaused)
{
    Run(ID_TODO_PAUSE);
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 10, 0);
    Run(ID_TODO_PAUSE);
    clock.Set(2026, 3, 2, 11, 0, 0);
    app->UpdateTime();

    EXPECT_EQ(nullptr, app->GetActiveTodo());
    EXPECT_EQ(300 + 600, T("Office", "Mail").GetTime());
    EXPECT_EQ("Paused", view.titles.back());
    EXPECT_EQ((Lines{"Paused", "Activated a todo: Mail", "Paused"}), Logged());
    const std::string first = LogLine("2026-03-02 10:00:00", "Paused");
    EXPECT_EQ(first, ReadFileBytes(LogFile()).substr(0, first.size()));
}

TEST_F(ActivationCommands, UnknownCommandsAndAMissingWindowAreNotHandled)
{
    EXPECT_FALSE(commands->Execute(ID_PROJECT_NEW)); // the application's own command
    EXPECT_FALSE(commands->Execute(ID_TOOLS_OPTIONS));
    app->SetMainWindow(nullptr);
    EXPECT_FALSE(commands->Execute(ID_TODO_PAUSE));
    EXPECT_TRUE(Logged().empty());
}
