#include "model/Project.h"
#include "tests/model/AddTodo.h"
#include "tests/model/FakeItemContext.h"
#include "tests/model/FakeTreeControl.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

namespace
{

std::string TodoNames(const Project& project)
{
    std::string names;
    for (const Todo* todo : project.GetTodos())
    {
        names += todo->GetName() + " ";
    }
    return names;
}

TEST(ItemTimes, NeverBelowTheirFloors)
{
    Project project;
    Todo& todo = AddTodo(project, "a", 50);
    todo.SetTime(-5);
    EXPECT_EQ(todo.GetTime(), 0);

    todo.SetTime(40);
    AddTodo(project, "b", 90);
    project.SetTotalTime(100);
    EXPECT_EQ(project.GetTotalTime(), 130);
    project.SetTotalTime(500);
    EXPECT_EQ(project.GetTotalTime(), 500);

    // Zeroing a todo keeps the total: the time stays booked on the project.
    todo.SetTime(0);
    EXPECT_EQ(project.SumOfTodoTimes(), 90);
    EXPECT_EQ(project.GetTotalTime(), 500);
}

TEST(ItemTimes, SumOfTodoTimesSaturatesInsteadOfOverflowing)
{
    constexpr int32_t maximum = std::numeric_limits<int32_t>::max();
    Project project;
    AddTodo(project, "a", maximum - 10);
    AddTodo(project, "b", 20, kPriorityCompleted);
    AddTodo(project, "c", 5);
    EXPECT_EQ(project.SumOfTodoTimes(), maximum);
    project.SetTotalTime(0);
    EXPECT_EQ(project.GetTotalTime(), maximum);
}

TEST(ItemTimes, AddedTimeStaysWithinItsRangeAndFloors)
{
    constexpr int32_t maximum = std::numeric_limits<int32_t>::max();
    Project project;
    Todo& todo = AddTodo(project, "a", maximum - 10);
    todo.AddTime(100);
    EXPECT_EQ(todo.GetTime(), maximum);
    todo.AddTime(-static_cast<int64_t>(maximum) - 5000);
    EXPECT_EQ(todo.GetTime(), 0);
    todo.AddTime(3600);
    EXPECT_EQ(todo.GetTime(), 3600);

    // A total near the top saturates; one taken below the todos' sum stops at that sum.
    project.SetTotalTime(maximum - 1);
    project.AddTime(std::numeric_limits<int64_t>::max() / 2);
    EXPECT_EQ(project.GetTotalTime(), maximum);
    project.AddTime(-static_cast<int64_t>(maximum) * 3);
    EXPECT_EQ(project.GetTotalTime(), 3600);
    project.AddTime(60);
    EXPECT_EQ(project.GetTotalTime(), 3660);
}

TEST(ItemOrder, ProjectsByNameWithoutRegardToCase)
{
    toolbox::ArrayList<Project> projects;
    for (const char* name : {"beta", "Alpha", "alpha2", "_x", "\xC3\xA9t\xC3\xA9"})
    {
        projects.Append(std::make_unique<Project>());
        projects.Last()->SetName(name);
    }
    projects.Sort(CompareProjects);
    std::string names;
    for (const Project* project : projects)
    {
        names += project->GetName() + " ";
    }
    // '_' lies between the upper and lower case letters, so folding to lower case puts it
    // first; bytes above 127 compare unsigned and come after every ASCII letter.
    EXPECT_EQ(names, "_x Alpha alpha2 beta \xC3\xA9t\xC3\xA9 ");
}

TEST(ItemOrder, TodosByPriorityThenName)
{
    Project project;
    AddTodo(project, "a", 0, 2);
    AddTodo(project, "odd", 0, 7);
    AddTodo(project, "done", 0, kPriorityCompleted);
    AddTodo(project, "B", 0, 2);
    AddTodo(project, "x", 0, 0);
    AddTodo(project, "neg", 0, -1);
    project.GetTodos().Sort(CompareTodos);
    EXPECT_EQ(TodoNames(project), "neg x a B done odd ");
}

TEST(ItemOrder, NamesEqualButForCaseKeepTheSelectionSortOrder)
{
    Project project;
    AddTodo(project, "Mail");
    AddTodo(project, "mail");
    AddTodo(project, "a");
    project.GetTodos().Sort(CompareTodos);
    // The swap that brings "a" to the front moves "Mail" behind "mail", and equal names are
    // never swapped back.
    EXPECT_EQ(TodoNames(project), "a mail Mail ");
}

TEST(ItemPriority, OutOfRangeIsKeptWithoutIconAndNotCompleted)
{
    Project project;
    Todo& todo = AddTodo(project, "t", 0, 7);
    EXPECT_EQ(todo.GetPriority(), 7);
    EXPECT_EQ(todo.GetStateImage(), -1);
    EXPECT_FALSE(todo.IsCompleted());
    todo.SetPriority(-1);
    EXPECT_EQ(todo.GetStateImage(), -1);
    todo.SetPriority(0);
    EXPECT_EQ(todo.GetStateImage(), 9);
    todo.SetPriority(kPriorityCompleted);
    EXPECT_EQ(todo.GetStateImage(), 14);
    EXPECT_TRUE(todo.IsCompleted());
    EXPECT_EQ(project.GetStateImage(), -1);
}

TEST(ItemImages, TodoByActiveCommentAndVisibleTime)
{
    FakeItemContext context;
    Project project;
    Todo& todo = AddTodo(project, "t", 29);
    EXPECT_EQ(todo.GetImage(context), 16);
    todo.SetComment("\r\n");
    EXPECT_EQ(todo.GetImage(context), 16);
    todo.SetComment("\r\n\r\n");
    EXPECT_EQ(todo.GetImage(context), 6);
    todo.SetTime(30);
    EXPECT_EQ(todo.GetImage(context), 4);
    todo.SetComment("");
    EXPECT_EQ(todo.GetImage(context), 8);

    context.activeTodo = &todo;
    EXPECT_EQ(todo.GetImage(context), 0);
    todo.SetTime(0);
    EXPECT_EQ(todo.GetImage(context), 0);
    todo.SetComment("see mail");
    EXPECT_EQ(todo.GetImage(context), 2);
}

TEST(ItemImages, ProjectByCommentAndAnyTodoWithVisibleTime)
{
    FakeItemContext context;
    Project project;
    project.SetTotalTime(36000);
    EXPECT_EQ(project.GetImage(context), 15);
    AddTodo(project, "a", 0);
    AddTodo(project, "b", 29);
    EXPECT_FALSE(project.AnyTodoHasVisibleTime(context));
    EXPECT_EQ(project.GetImage(context), 15);
    project.SetComment("\r\n");
    EXPECT_EQ(project.GetImage(context), 5);

    AddTodo(project, "c", 30, kPriorityCompleted);
    EXPECT_TRUE(project.AnyTodoHasVisibleTime(context));
    EXPECT_EQ(project.GetImage(context), 3);
    project.SetComment("");
    EXPECT_EQ(project.GetImage(context), 7);
}

TEST(ItemKinds, MenusParentsAndKindTests)
{
    Project project;
    Todo& todo = AddTodo(project, "t");
    EXPECT_EQ(project.GetName(), "Project");
    EXPECT_EQ(Todo(&project).GetName(), "Todo");
    EXPECT_EQ(Todo(&project).GetPriority(), 2);
    EXPECT_TRUE(project.IsExpanded());
    EXPECT_TRUE(project.IsProject() && !project.IsTodo());
    EXPECT_TRUE(todo.IsTodo() && !todo.IsProject());
    EXPECT_EQ(project.GetContextMenu(), ContextMenu::Project);
    EXPECT_EQ(todo.GetContextMenu(), ContextMenu::Todo);
    EXPECT_EQ(project.GetParentNode(FakeTreeControl()), nullptr);
    EXPECT_EQ(todo.GetProject(), &project);
}

} // namespace
