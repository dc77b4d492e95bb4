#include "model/FillTree.h"
#include "model/Project.h"
#include "tests/model/AddTodo.h"
#include "tests/model/FakeItemContext.h"
#include "tests/model/FakeTreeControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

using Node = FakeTreeControl::Node;

class TreeDisplay : public ::testing::Test
{
protected:
    TreeDisplay() { context.mainTree = &tree; }

    Todo& AddTodo(const std::string& name, int32_t time, int32_t priority = 2)
    {
        return ::AddTodo(project, name, time, priority);
    }

    void InsertAll()
    {
        project.InsertIntoTree(tree, context);
        for (Todo* todo : project.GetTodos())
        {
            todo->InsertIntoTree(tree, context);
        }
    }

    Node* NodeOf(const TreeItem& item) const { return FakeTreeControl::Of(tree.NodeOf(item)); }

    FakeTreeControl tree;
    FakeItemContext context;
    Project project;
};

TEST_F(TreeDisplay, InsertShowsItemsUnderTheirParents)
{
    project.SetName("Web");
    project.SetExpanded(false);
    Todo& mail = AddTodo("Mail", 3900, 0);
    Todo& odd = AddTodo("Odd", 0, 7);
    odd.SetExpanded(false);
    InsertAll();

    ASSERT_EQ(tree.Children(nullptr).size(), 1U);
    Node* web = NodeOf(project);
    EXPECT_EQ(web, tree.Children(nullptr)[0]);
    EXPECT_EQ(web->text, "  1:05  [0:00]  Web");
    EXPECT_EQ(web->image, 7);
    EXPECT_EQ(web->selectedImage, 7);
    EXPECT_EQ(web->stateImage, -1);
    EXPECT_FALSE(web->expanded);
    EXPECT_EQ(web->data, &project);

    EXPECT_EQ(tree.Children(web), (std::vector<Node*>{NodeOf(mail), NodeOf(odd)}));
    EXPECT_EQ(NodeOf(mail)->text, "    1:05    Mail");
    EXPECT_EQ(NodeOf(mail)->image, 8);
    EXPECT_EQ(NodeOf(mail)->stateImage, 9);
    EXPECT_TRUE(NodeOf(mail)->expanded);
    EXPECT_EQ(tree.GetNodeData(tree.NodeOf(mail)), &mail);
    EXPECT_EQ(NodeOf(odd)->image, 16);
    EXPECT_EQ(NodeOf(odd)->stateImage, -1);
    EXPECT_FALSE(NodeOf(odd)->expanded);
}

TEST_F(TreeDisplay, EachTreeKnowsItsOwnNodes)
{
    Todo& mail = AddTodo("Mail", 0);
    InsertAll();
    FakeTreeControl selector;
    project.InsertIntoTree(selector, context);
    mail.InsertIntoTree(selector, context);
    EXPECT_EQ(tree.LiveCount(), 2);
    EXPECT_EQ(selector.Children(selector.NodeOf(project)),
              std::vector<Node*>{FakeTreeControl::Of(selector.NodeOf(mail))});
    // Filling the selector left the main tree's nodes alone: a refresh still reaches them.
    EXPECT_EQ(tree.Children(tree.NodeOf(project)), std::vector<Node*>{NodeOf(mail)});
    mail.SetName("Post");
    mail.Refresh(context);
    EXPECT_EQ(NodeOf(mail)->text, mail.GetLabel(context));
    selector.DeleteAllNodes();
    EXPECT_EQ(selector.NodeOf(mail), nullptr);
    EXPECT_NE(tree.NodeOf(mail), nullptr);
}

TEST_F(TreeDisplay, RefreshUpdatesTheMainTree)
{
    Todo& mail = AddTodo("Mail", 0, 1);
    InsertAll();

    mail.SetTime(7200);
    mail.SetPriority(kPriorityCompleted);
    context.activeTodo = &mail;
    mail.Refresh(context);
    EXPECT_EQ(NodeOf(mail)->text, "    2:00    Mail");
    EXPECT_EQ(NodeOf(mail)->stateImage, 14);
    EXPECT_EQ(NodeOf(mail)->image, 0);
    EXPECT_EQ(NodeOf(mail)->selectedImage, 0);

    // A priority without an icon leaves the node's state image alone.
    mail.SetPriority(7);
    mail.Refresh(context);
    EXPECT_EQ(NodeOf(mail)->stateImage, 14);

    project.SetTotalTime(9000);
    project.SetComment("client");
    project.SetExpanded(false);
    project.Refresh(context);
    EXPECT_EQ(NodeOf(project)->text, "  2:00  [2:30]  Project");
    EXPECT_FALSE(NodeOf(project)->expanded);
    EXPECT_EQ(NodeOf(project)->image, 3);
    EXPECT_EQ(NodeOf(project)->selectedImage, 3);
}

TEST_F(TreeDisplay, RefreshWithoutMainWindowOrNodeDoesNothing)
{
    Todo& mail = AddTodo("Mail", 0);
    context.mainTree = nullptr;
    mail.Refresh(context);
    project.Refresh(context);
    project.ResortTodos(context);

    context.mainTree = &tree;
    mail.Refresh(context);
    project.Refresh(context);
    EXPECT_EQ(tree.LiveCount(), 0);
}

TEST_F(TreeDisplay, ResortTodosRebuildsOnlyTheTodoNodes)
{
    AddTodo("later", 0, 3);
    AddTodo("Urgent", 0, 0);
    AddTodo("all done", 0, kPriorityCompleted);
    AddTodo("asap", 0, 1);
    InsertAll();
    Node* projectNode = NodeOf(project);
    tree.SelectNode(tree.NodeOf(*project.GetTodos().Get(0)));

    project.ResortTodos(context);

    EXPECT_EQ(NodeOf(project), projectNode);
    EXPECT_EQ(tree.LiveCount(), 5);
    EXPECT_EQ(tree.ChildTexts(projectNode),
              (std::vector<std::string>{"    0:00    Urgent", "    0:00    asap",
                                        "    0:00    later", "    0:00    all done"}));
    for (int i = 0; i < project.GetTodos().Count(); ++i)
    {
        EXPECT_EQ(NodeOf(*project.GetTodos().Get(i)), tree.Children(projectNode)[i]);
    }
    EXPECT_EQ(tree.GetSelection(), nullptr);
}

TEST_F(TreeDisplay, ResortTodosWithoutMainWindowStillSorts)
{
    AddTodo("b", 0);
    AddTodo("a", 0);
    context.mainTree = nullptr;
    project.ResortTodos(context);
    EXPECT_EQ(project.GetTodos().Get(0)->GetName(), "a");
}

TEST(FillingATree, SortsShowsAllAndKeepsTheSelectedItemSelected)
{
    toolbox::ArrayList<Project> projects;
    FakeItemContext context;
    FakeTreeControl tree;
    for (const char* name : {"office", "Garden"})
    {
        projects.Append(std::make_unique<Project>());
        projects.Last()->SetName(name);
    }
    Todo& weed = ::AddTodo(*projects.Last(), "Weed", 0, 3);
    ::AddTodo(*projects.Last(), "Mow", 0, 1);

    FillTree(tree, projects, context);
    EXPECT_EQ(tree.ChildTexts(nullptr),
              (std::vector<std::string>{"  0:00  [0:00]  Garden", "  0:00  [0:00]  office"}));
    EXPECT_EQ("Garden", projects.Get(0)->GetName());
    EXPECT_EQ("Mow", projects.Get(0)->GetTodos().Get(0)->GetName());
    EXPECT_EQ(nullptr, tree.GetSelection());

    tree.SelectNode(tree.NodeOf(weed));
    FillTree(tree, projects, context);
    EXPECT_EQ(4, tree.LiveCount()); // one set of nodes: the old ones are gone
    EXPECT_EQ(&weed, tree.GetNodeData(tree.GetSelection()));

    // A new project lands in its sorted place; the others keep their nodes.
    const TreeNode garden = tree.NodeOf(*projects.Get(0));
    projects.Append(std::make_unique<Project>());
    Project& kitchen = *projects.Last();
    kitchen.SetName("Kitchen");
    InsertProjectInOrder(tree, projects, kitchen, context);
    EXPECT_EQ(&kitchen, projects.Get(1));
    EXPECT_EQ(tree.Children(nullptr)[1], FakeTreeControl::Of(tree.NodeOf(kitchen)));
    EXPECT_EQ(garden, tree.NodeOf(*projects.Get(0)));
    EXPECT_EQ(tree.NodeOf(kitchen), tree.GetSelection());
}

} // namespace
