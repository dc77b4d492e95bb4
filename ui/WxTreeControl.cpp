#include "ui/WxTreeControl.h"

#include "model/ItemImages.h"
#include "ui/WxText.h"

namespace
{

// A node remembers whether it is meant to be expanded: a parent inserted expanded has no
// children yet, and the toolkit only expands a node that has some.
class NodeData : public wxTreeItemData
{
public:
    NodeData(TreeItem* item, bool expanded) : item(item), expanded(expanded) {}

    TreeItem* item;
    bool expanded;
};

wxTreeItemId IdOf(TreeNode node)
{
    return wxTreeItemId(node);
}

// The running todo's row stands out by more than its small icon.
bool ShowsRunning(int image)
{
    return image == IMAGE_ACTIVE_TODO || image == IMAGE_ACTIVE_TODO_COMMENT;
}

} // namespace

WxTreeControl::WxTreeControl(wxTreeCtrl& tree) : tree(tree)
{
    if (!tree.GetRootItem().IsOk())
        tree.AddRoot(wxString());
}

TreeNode WxTreeControl::InsertNodeAt(TreeNode parent, size_t position, const std::string& text,
                                     int image, int selectedImage, int stateImage, bool expanded,
                                     TreeItem* data)
{
    const wxTreeItemId parentId = parent ? IdOf(parent) : tree.GetRootItem();
    auto* nodeData = new NodeData(data, expanded);
    const wxTreeItemId id =
        position < tree.GetChildrenCount(parentId, false)
            ? tree.InsertItem(parentId, position, ToWx(text), image, selectedImage, nodeData)
            : tree.AppendItem(parentId, ToWx(text), image, selectedImage, nodeData);
    if (stateImage >= 0)
        tree.SetItemState(id, stateImage);
    if (ShowsRunning(image))
        tree.SetItemBold(id);
    if (parent)
    {
        auto* parentData = static_cast<NodeData*>(tree.GetItemData(parentId));
        if (parentData && parentData->expanded && !tree.IsExpanded(parentId))
            tree.Expand(parentId);
    }
    if (data)
        nodes[data] = id.GetID();
    return id.GetID();
}

void WxTreeControl::DeleteNode(TreeNode node)
{
    ForgetSubtree(IdOf(node));
    tree.Delete(IdOf(node));
}

void WxTreeControl::DeleteAllNodes()
{
    nodes.clear();
    tree.DeleteChildren(tree.GetRootItem());
}

void WxTreeControl::SetNodeText(TreeNode node, const std::string& text)
{
    tree.SetItemText(IdOf(node), ToWx(text));
}

void WxTreeControl::SetNodeImages(TreeNode node, int image, int selectedImage)
{
    tree.SetItemImage(IdOf(node), image, wxTreeItemIcon_Normal);
    tree.SetItemImage(IdOf(node), selectedImage, wxTreeItemIcon_Selected);
    tree.SetItemBold(IdOf(node), ShowsRunning(image));
}

void WxTreeControl::SetNodeStateImage(TreeNode node, int stateImage)
{
    if (stateImage >= 0)
        tree.SetItemState(IdOf(node), stateImage);
}

void WxTreeControl::SetNodeExpanded(TreeNode node, bool expanded)
{
    const wxTreeItemId id = IdOf(node);
    if (auto* data = static_cast<NodeData*>(tree.GetItemData(id)))
        data->expanded = expanded;
    if (expanded)
        tree.Expand(id);
    else
        tree.Collapse(id);
}

TreeNode WxTreeControl::GetSelection() const
{
    const wxTreeItemId id = tree.GetSelection();
    return id.IsOk() ? id.GetID() : nullptr;
}

void WxTreeControl::SelectNode(TreeNode node)
{
    tree.EnsureVisible(IdOf(node));
    tree.SelectItem(IdOf(node));
}

TreeItem* WxTreeControl::GetNodeData(TreeNode node) const
{
    return ItemOf(tree, IdOf(node));
}

TreeNode WxTreeControl::NodeOf(const TreeItem& item) const
{
    const auto found = nodes.find(&item);
    return found != nodes.end() ? found->second : nullptr;
}

void WxTreeControl::ForgetSubtree(const wxTreeItemId& id)
{
    const auto found = nodes.find(ItemOf(tree, id));
    if (found != nodes.end() && found->second == id.GetID())
        nodes.erase(found);
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(id, cookie); child.IsOk();
         child = tree.GetNextChild(id, cookie))
        ForgetSubtree(child);
}

TreeItem* WxTreeControl::ItemOf(const wxTreeCtrl& tree, const wxTreeItemId& id)
{
    if (!id.IsOk())
        return nullptr;
    auto* data = static_cast<NodeData*>(tree.GetItemData(id));
    return data ? data->item : nullptr;
}
