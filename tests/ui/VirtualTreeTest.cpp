#include "tests/ui/WindowTest.h"

#include "ui/VirtualTree.h"
#include "ui/WxText.h"

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

} // namespace
