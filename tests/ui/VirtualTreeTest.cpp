#include "tests/ui/WindowTest.h"

#include "model/FillTree.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "tests/model/FakeItemContext.h"
#include "ui/VirtualTree.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"

#include <wx/frame.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace
{

wxTreeItemId Add(VirtualTree& tree, const wxTreeItemId& parent, const std::string& text,
                 bool expanded = true, size_t position = SIZE_MAX)
{
    return tree.InsertItem(parent, position, text, -1, -1, -1, expanded, nullptr);
}

// The labels of the rows on screen from the top, as the hit test finds them.
std::vector<std::string> Shown(const VirtualTree& tree)
{
    std::vector<std::string> rows;
    int flags = 0;
    for (int y = 2; y < tree.GetClientSize().y; y += 4)
    {
        const wxTreeItemId node = tree.HitTest(wxPoint(40, y), flags);
        const std::string text = node.IsOk() ? FromWx(tree.GetItemText(node)) : "";
        if (node.IsOk() && (rows.empty() || rows.back() != text))
            rows.push_back(text);
    }
    return rows;
}

using Rows = std::vector<std::string>;

// Rows come and go with inserts anywhere, deletes, expanding and collapsing; the keys walk the
// rows shown; a deleted selection passes to its parent; the hit test tells the parts of a row.
TEST(VirtualTreeRows, FollowEveryChangeAndTheKeysWalkThem)
{
    wxFrame frame(nullptr, wxID_ANY, "rows", wxPoint(20, 20), wxSize(300, 400));
    auto* tree = new VirtualTree(&frame, wxID_ANY);
    frame.Show();
    const wxTreeItemId root = tree->GetRootItem();
    const wxTreeItemId a = Add(*tree, root, "a");
    const wxTreeItemId c = Add(*tree, root, "c");
    const wxTreeItemId b = Add(*tree, root, "b", false, 1);
    Add(*tree, a, "a2");
    Add(*tree, a, "a1", true, 0);
    Add(*tree, b, "b1");
    WindowTest::Pump(100);
    EXPECT_EQ(Shown(*tree), (Rows{"a", "a1", "a2", "b", "c"}));
    EXPECT_FALSE(tree->IsExpanded(c)); // expanded, but nothing to show yet

    const wxTreeItemId c1 = Add(*tree, c, "c1");
    tree->Collapse(a);
    tree->Expand(b);
    EXPECT_EQ(Shown(*tree), (Rows{"a", "b", "b1", "c", "c1"}));
    EXPECT_EQ(7u, tree->GetCount());
    EXPECT_EQ(2u, tree->GetChildrenCount(a));

    tree->SelectItem(c1);
    tree->Delete(c1);
    EXPECT_EQ(c, tree->GetSelection());
    EXPECT_EQ(Shown(*tree), (Rows{"a", "b", "b1", "c"}));

    int flags = 0;
    wxRect label;
    ASSERT_TRUE(tree->GetBoundingRect(b, label, true));
    const int middle = label.y + label.height / 2;
    EXPECT_EQ(b, tree->HitTest(wxPoint(label.x + 2, middle), flags));
    EXPECT_EQ(wxTREE_HITTEST_ONITEMLABEL, flags);
    EXPECT_EQ(b, tree->HitTest(wxPoint(label.GetRight() + 20, middle), flags));
    EXPECT_EQ(wxTREE_HITTEST_ONITEMRIGHT, flags);
    EXPECT_EQ(b, tree->HitTest(wxPoint(label.x - 8, middle), flags));
    EXPECT_EQ(wxTREE_HITTEST_ONITEMBUTTON, flags);
    EXPECT_FALSE(tree->HitTest(wxPoint(label.x, label.y + 10 * label.height), flags).IsOk());
    EXPECT_EQ(wxTREE_HITTEST_NOWHERE, flags);

    // From the keyboard: Home, Right expands, Right enters, Down, Left leaves, Left collapses,
    // End.
    tree->SetFocus();
    WindowTest::Pump(50);
    wxUIActionSimulator keys;
    std::vector<std::string> selected;
    for (int key : {WXK_HOME, WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_LEFT, WXK_LEFT, WXK_END})
    {
        keys.Char(key);
        WindowTest::Pump(30);
        selected.push_back(FromWx(tree->GetItemText(tree->GetSelection())) +
                           (tree->IsExpanded(a) ? "+" : ""));
    }
    EXPECT_EQ(selected, (Rows{"a", "a+", "a1+", "a2+", "a+", "a", "c"}));
}

// Appends projects of these names in this order, each with todos of these names.
void AddProjects(toolbox::ArrayList<Project>& projects, const std::vector<std::string>& names,
                 const std::vector<std::string>& todoNames)
{
    for (const std::string& name : names)
    {
        auto project = std::make_unique<Project>();
        project->SetName(name);
        for (const std::string& todoName : todoNames)
        {
            auto todo = std::make_unique<Todo>(project.get());
            todo->SetName(todoName);
            project->GetTodos().Append(std::move(todo));
        }
        projects.Append(std::move(project));
    }
}

} // namespace

// The main view's control over the tree: labels made when first asked for, so a time booked
// after the filling shows; the node of every item found, also after every other one's node
// was deleted and the lookup moved the entries that followed the deleted ones.
TEST(WxTreeControlNodes, LabelsComeWhenAskedAndEveryItemKeepsItsNode)
{
    wxFrame frame(nullptr, wxID_ANY, "nodes", wxPoint(20, 20), wxSize(300, 400));
    auto* tree = new VirtualTree(&frame, wxID_ANY);
    WxTreeControl control(*tree);
    FakeItemContext context;
    std::vector<std::string> names;
    for (int i = 0; i < 700; ++i)
        names.push_back("p" + std::to_string(1000 + i));
    toolbox::ArrayList<Project> projects;
    AddProjects(projects, names, {"t"});
    FillTree(control, projects, context);
    Todo& first = *projects.Get(0)->GetTodos().Get(0);
    first.SetTime(3600);
    frame.Show();
    WindowTest::Pump(100);
    EXPECT_EQ(Shown(*tree).at(1), first.GetLabel(context));
    EXPECT_EQ(Shown(*tree).at(0), projects.Get(0)->GetLabel(context));

    for (int i = 0; i < projects.Count(); i += 2)
        control.DeleteNode(control.NodeOf(*projects.Get(i)));
    for (int i = 0; i < projects.Count(); ++i)
    {
        const Project& project = *projects.Get(i);
        const Todo& todo = *project.GetTodos().Get(0);
        if (i % 2 == 0)
        {
            EXPECT_EQ(nullptr, control.NodeOf(project)) << i;
            EXPECT_EQ(nullptr, control.NodeOf(todo)) << i;
            continue;
        }
        ASSERT_NE(nullptr, control.NodeOf(project)) << i;
        ASSERT_NE(nullptr, control.NodeOf(todo)) << i;
        EXPECT_EQ(&project, control.GetNodeData(control.NodeOf(project))) << i;
        EXPECT_EQ(&todo, control.GetNodeData(control.NodeOf(todo))) << i;
    }
    EXPECT_EQ(700u, tree->GetCount());
    EXPECT_EQ(Shown(*tree).at(0), projects.Get(1)->GetLabel(context));
}

// Filling the tree again while it shows the items in their order keeps every node and the
// selection, and brings labels, pictures, marks and expanded states up to date; an item that
// sorts elsewhere since has the tree filled anew in the new order.
TEST(WxTreeControlNodes, AFillingInTheSameOrderRenewsTheNodesWhereTheyAre)
{
    wxFrame frame(nullptr, wxID_ANY, "renew", wxPoint(20, 20), wxSize(300, 400));
    auto* tree = new VirtualTree(&frame, wxID_ANY);
    WxTreeControl control(*tree);
    FakeItemContext context;
    toolbox::ArrayList<Project> projects;
    AddProjects(projects, {"a", "b", "c"}, {"x", "y"});
    FillTree(control, projects, context);
    frame.Show();
    WindowTest::Pump(100);
    std::vector<TreeNode> nodes;
    for (const Project* project : projects)
    {
        nodes.push_back(control.NodeOf(*project));
        for (const Todo* todo : project->GetTodos())
            nodes.push_back(control.NodeOf(*todo));
    }
    Project& a = *projects.Get(0);
    Todo& ay = *a.GetTodos().Get(1);
    Todo& cx = *projects.Get(2)->GetTodos().Get(0);
    control.SelectNode(control.NodeOf(cx));

    ay.SetTime(5400);
    ay.SetComment("note");
    cx.SetPriority(0); // sorts first among c's todos already
    a.SetExpanded(false);
    FillTree(control, projects, context);
    WindowTest::Pump(100);
    size_t at = 0;
    for (const Project* project : projects)
    {
        EXPECT_EQ(nodes.at(at++), control.NodeOf(*project)) << project->GetName();
        for (const Todo* todo : project->GetTodos())
            EXPECT_EQ(nodes.at(at++), control.NodeOf(*todo)) << todo->GetName();
    }
    const wxTreeItemId ayNode(control.NodeOf(ay));
    EXPECT_EQ(ay.GetLabel(context), FromWx(tree->GetItemText(ayNode)));
    EXPECT_EQ(ay.GetImage(context), tree->GetItemImage(ayNode));
    EXPECT_EQ(cx.GetStateImage(), tree->GetItemState(wxTreeItemId(control.NodeOf(cx))));
    EXPECT_FALSE(tree->IsExpanded(wxTreeItemId(control.NodeOf(a))));
    EXPECT_EQ(control.NodeOf(cx), control.GetSelection());
    // Rows in the order shown, each with its item's label now.
    const auto labels = [&]
    {
        Rows rows;
        for (const Project* project : projects)
        {
            rows.push_back(project->GetLabel(context));
            if (project->IsExpanded())
                for (const Todo* todo : project->GetTodos())
                    rows.push_back(todo->GetLabel(context));
        }
        return rows;
    };
    EXPECT_EQ(labels(), Shown(*tree));

    projects.Get(2)->SetName("0c");
    FillTree(control, projects, context);
    WindowTest::Pump(100);
    EXPECT_EQ("0c", projects.Get(0)->GetName());
    EXPECT_EQ(labels(), Shown(*tree));
    EXPECT_EQ(cx.GetLabel(context), Shown(*tree).at(1));
    EXPECT_EQ(control.NodeOf(cx), control.GetSelection());
    EXPECT_EQ(9u, tree->GetCount());
}
