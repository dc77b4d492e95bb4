#include "tests/app/ViewScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

class PropertiesCommands : public ViewScenario
{
protected:
    void SetUp() override
    {
        StartWith({{"Office", 900, {{"Report", 600}, {"Mail", 300}}}, {"Web", 0, {}}});
    }
};

TEST_F(PropertiesCommands, ANewTodoJoinsTheSelectedProjectAtItsSortedPlace)
{
    Select(T("Office", "Report")); // a todo stands for its project
    // "Mail" is taken; the user then types another name.
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Mail"; });
    dialogs.todo.push_back(
        [](TodoForm& form)
        {
            form.name = "Call";
            form.priority = 0;
        });
    clock.Set(2026, 3, 2, 10, 1, 0);
    Run(ID_TODO_NEW);

    EXPECT_EQ((Lines{"refuse: A todo with this name already exists."}), Boxes());
    EXPECT_EQ((Lines{"Call", "Mail", "Report"}), TreeTodos(P("Office")));
    EXPECT_EQ(&T("Office", "Call"), Selected());
    EXPECT_EQ((Lines{"Created a new todo: Call"}), Logged());
    EXPECT_EQ(
        Config({{"Office", 900, {{"Report", 600}, {"Mail", 300}, {"Call", 0, 0}}}, {"Web", 0, {}}},
               At(10, 1)),
        SavedConfig());
}

TEST_F(PropertiesCommands, ACancelledNewTodoLeavesNoTrace)
{
    Select(P("Web"));
    Run(ID_TODO_NEW);
    EXPECT_EQ((Lines{"todo"}), dialogs.opened);
    EXPECT_TRUE(P("Web").GetTodos().IsEmpty());
    EXPECT_TRUE(TreeTodos(P("Web")).empty());
    EXPECT_TRUE(Logged().empty());

    view.tree.DeleteAllNodes(); // nothing selected
    view.RebuildTree();
    Run(ID_TODO_NEW);
    EXPECT_EQ((Lines{"refuse: Please select a project first."}), Boxes());
    EXPECT_EQ(1u, dialogs.opened.size());
}

TEST_F(PropertiesCommands, RenamingTheActiveTodoRenamesTheWindowAndResorts)
{
    Select(T("Office", "Report"));
    Run(ID_TODO_ACTIVATE);
    clock.Set(2026, 3, 2, 10, 10, 0);
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Budget"; });
    Run(ID_ITEM_PROPERTIES);

    EXPECT_EQ("Budget", view.titles.back());
    EXPECT_EQ((Lines{"Budget", "Mail"}), TreeTodos(P("Office")));
    EXPECT_EQ(&T("Office", "Budget"), Selected());
    EXPECT_EQ(1200, T("Office", "Budget").GetTime());
    EXPECT_EQ((Lines{"Activated a todo: Report", "Set todo's properties: Budget"}), Logged());

    // Cancelled: nothing logged, the title stays.
    Run(ID_TODO_PROPERTIES);
    EXPECT_EQ(2u, Logged().size());
    EXPECT_EQ("Budget", view.titles.back());
}

TEST_F(PropertiesCommands, ProjectPropertiesMoveTheProjectToItsPlaceAndSelectIt)
{
    Select(T("Office", "Mail"));
    dialogs.project.push_back(
        [](ProjectForm& form)
        {
            form.name = "Zoo";
            form.comment = "animals";
        });
    const int rebuilds = view.treeRebuilds;
    const TreeNode web = view.tree.NodeOf(P("Web"));
    Run(ID_PROJECT_PROPERTIES);

    // Only the renamed project's nodes are made anew.
    EXPECT_EQ(rebuilds, view.treeRebuilds);
    EXPECT_EQ(web, view.tree.NodeOf(P("Web")));
    EXPECT_EQ((Lines{"Mail", "Report"}), TreeTodos(P("Zoo")));
    EXPECT_EQ((Lines{"Web", "Zoo"}), TreeProjects());
    EXPECT_EQ(&P("Zoo"), Selected());
    EXPECT_EQ((Lines{"Set project's properties: Zoo"}), Logged());
    EXPECT_EQ(
        Config({{"Zoo", 900, {{"Report", 600}, {"Mail", 300}}, "animals"}, {"Web", 0, {}}}, At(10)),
        SavedConfig());

    Select(P("Web"));
    Run(ID_PROJECT_PROPERTIES); // cancelled
    EXPECT_EQ(rebuilds, view.treeRebuilds);
    EXPECT_EQ(1u, Logged().size());
}

TEST_F(PropertiesCommands, RefreshBringsTheClockAndTheWholeTreeUpToDate)
{
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE);
    P("Web").SetName("Alpha"); // a change that no command drew
    clock.Set(2026, 3, 2, 10, 30, 0);
    Run(ID_VIEW_REFRESH);

    EXPECT_EQ((Lines{"Alpha", "Office"}), TreeProjects());
    EXPECT_EQ(T("Office", "Mail").GetLabel(*app),
              FakeTreeControl::Of(view.tree.NodeOf(T("Office", "Mail")))->text);
    EXPECT_EQ(300 + 1800, T("Office", "Mail").GetTime());
    EXPECT_EQ(2, view.focusRequests);
}
