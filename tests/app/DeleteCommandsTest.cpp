#include "tests/app/ViewScenario.h"

#include "model/Todo.h"
#include "res/CommandIds.h"

using namespace res;
using Lines = std::vector<std::string>;

namespace
{
const char* const kSureTodo = "question: Are you sure to delete this todo?";
const char* const kTodoComment = "question: This todo has a comment. Still sure?";
const char* const kSureProject = "question: Are you sure to delete this project?";
const char* const kProjectComment = "question: This project has a comment. Still sure?";
const char* const kLineBreak = "\\r\\n";
} // namespace

class DeleteCommands : public ViewScenario
{
protected:
    void SetUp() override
    {
        // Report's comment is a line break alone (escaped in the file): it shows as no comment,
        // but counts when deleting.
        StartWith({{"Office", 1500, {{"Report", 600, 2, kLineBreak}, {"Mail", 300}}},
                   {"Web", 0, {}, "the shop"},
                   {"Home", 0, {}}});
    }
};

TEST_F(DeleteCommands, ATodoWithACommentIsDeletedOnlyAfterTwoYes)
{
    Select(T("Office", "Report"));
    for (std::deque<bool> answers : {std::deque<bool>{false}, std::deque<bool>{true, false}})
    {
        prompts.answers = answers;
        prompts.shown.clear();
        EXPECT_TRUE(Run(ID_ITEM_DELETE));
        const Lines asked = answers.size() == 1 ? Lines{kSureTodo} : Lines{kSureTodo, kTodoComment};
        EXPECT_EQ(asked, Boxes());
        EXPECT_EQ(2, P("Office").GetTodos().Count());
    }
    EXPECT_TRUE(Logged().empty());

    prompts.answers = {true, true};
    clock.Set(2026, 3, 2, 10, 1, 0);
    Run(ID_TODO_DELETE);
    EXPECT_EQ((Lines{"Mail"}), TreeTodos(P("Office")));
    EXPECT_EQ((Lines{"Deleted a todo: Report"}), Logged());
    // The project keeps the time booked on the deleted todo.
    EXPECT_EQ(
        Config({{"Office", 1500, {{"Mail", 300}}}, {"Web", 0, {}, "the shop"}, {"Home", 0, {}}},
               At(10, 1)),
        SavedConfig());
    EXPECT_EQ(FakeTreeControl::Of(view.tree.NodeOf(P("Office")))->text, P("Office").GetLabel(*app));
    EXPECT_EQ(0, view.focusRequests); // the deletes leave the focus alone
}

TEST_F(DeleteCommands, ATodoWithoutACommentIsAskedOnce)
{
    Select(T("Office", "Mail"));
    prompts.answers = {true};
    Run(ID_ITEM_DELETE);
    EXPECT_EQ((Lines{kSureTodo}), Boxes());
    EXPECT_EQ((Lines{"Report"}), TreeTodos(P("Office")));
}

TEST_F(DeleteCommands, TheActiveTodoAndNothingSelectedAreRefused)
{
    Run(ID_TODO_DELETE);
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE);
    Run(ID_ITEM_DELETE);
    EXPECT_EQ((Lines{"refuse: Please select a todo first.",
                     "refuse: You cannot delete the currently active todo."}),
              Boxes());
    EXPECT_EQ(2, P("Office").GetTodos().Count());
}

TEST_F(DeleteCommands, TheProjectMenuActsOnTheSelectedTodosProject)
{
    Select(T("Office", "Mail"));
    Run(ID_PROJECT_DELETE);
    EXPECT_EQ((Lines{"refuse: Please delete the project's todos first."}), Boxes());
    EXPECT_EQ(3, app->GetProjects().Count());
}

TEST_F(DeleteCommands, AProjectWithACommentIsDeletedOnlyAfterTwoYes)
{
    Select(P("Web"));
    prompts.answers = {true, false};
    Run(ID_ITEM_DELETE);
    EXPECT_EQ((Lines{kSureProject, kProjectComment}), Boxes());
    EXPECT_EQ(3, app->GetProjects().Count());

    prompts.answers = {true, true};
    Run(ID_PROJECT_DELETE);
    EXPECT_EQ(2, app->GetProjects().Count());
    EXPECT_EQ((Lines{"Home", "Office"}), TreeProjects());
    EXPECT_EQ((Lines{"Deleted a project: Web"}), Logged());
    EXPECT_EQ(
        Config({{"Office", 1500, {{"Report", 600, 2, kLineBreak}, {"Mail", 300}}}, {"Home", 0, {}}},
               At(10)),
        SavedConfig());

    prompts.shown.clear();
    prompts.answers = {false};
    Select(P("Home"));
    Run(ID_PROJECT_DELETE);
    EXPECT_EQ((Lines{kSureProject}), Boxes());
    EXPECT_EQ(2, app->GetProjects().Count());
}

TEST_F(DeleteCommands, DeleteWithNothingSelectedDoesNothingAndTheProjectMenuRefuses)
{
    Run(ID_ITEM_DELETE);
    EXPECT_TRUE(prompts.shown.empty());
    Run(ID_PROJECT_DELETE);
    EXPECT_EQ((Lines{"refuse: Please select a project first."}), Boxes());
    EXPECT_EQ(3, app->GetProjects().Count());
}
