#include "ui/WxTreeControl.h"

#include "model/ItemImages.h"
#include "model/TreeItem.h"

namespace
{

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

WxTreeControl::WxTreeControl(VirtualTree& tree) : tree(tree)
{
    tree.SetLabelSource([this](const TreeItem& item)
                        { return context ? item.GetLabel(*context) : std::string(); });
}

WxTreeControl::~WxTreeControl()
{
    tree.SetLabelSource(nullptr);
}

TreeNode WxTreeControl::InsertNodeAt(TreeNode parent, size_t position, const std::string& text,
                                     int image, int selectedImage, int stateImage, bool expanded,
                                     TreeItem* data)
{
    const wxTreeItemId id = tree.InsertItem(IdOf(parent), position, text, image, selectedImage,
                                            stateImage, expanded, data);
    if (ShowsRunning(image))
        tree.SetItemBold(id);
    if (data)
        nodes[data] = Entry{id.GetID(), generation};
    return id.GetID();
}

TreeNode WxTreeControl::InsertItemNodeAt(TreeNode parent, size_t position, TreeItem& item,
                                         const ItemContext& itemContext)
{
    context = &itemContext;
    const int image = item.GetImage(itemContext);
    const wxTreeItemId id = tree.InsertItem(IdOf(parent), position, image, image,
                                            item.GetStateImage(), item.IsExpanded(), item);
    if (ShowsRunning(image))
        tree.SetItemBold(id);
    nodes[&item] = Entry{id.GetID(), generation};
    return id.GetID();
}

void WxTreeControl::DeleteNode(TreeNode node)
{
    ForgetSubtree(IdOf(node));
    tree.Delete(IdOf(node));
}

void WxTreeControl::DeleteAllNodes()
{
    // Entries of items that are gone stay until they outnumber the nodes.
    if (nodes.size() > 2 * tree.GetCount() + 64)
        nodes.clear();
    ++generation;
    tree.DeleteChildren(tree.GetRootItem());
}

void WxTreeControl::SetNodeText(TreeNode node, const std::string& text)
{
    tree.SetItemText(IdOf(node), text);
}

void WxTreeControl::SetNodeImages(TreeNode node, int image, int selectedImage)
{
    tree.SetItemImages(IdOf(node), image, selectedImage);
    tree.SetItemBold(IdOf(node), ShowsRunning(image));
}

void WxTreeControl::SetNodeStateImage(TreeNode node, int stateImage)
{
    if (stateImage >= 0)
        tree.SetItemState(IdOf(node), stateImage);
}

void WxTreeControl::SetNodeExpanded(TreeNode node, bool expanded)
{
    tree.SetExpanded(IdOf(node), expanded);
}

TreeNode WxTreeControl::GetSelection() const
{
    return tree.GetSelection().GetID();
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
    return found != nodes.end() && found->second.generation == generation ? found->second.node
                                                                          : nullptr;
}

void WxTreeControl::ForgetSubtree(const wxTreeItemId& id)
{
    const auto found = nodes.find(ItemOf(tree, id));
    if (found != nodes.end() && found->second.node == id.GetID())
        nodes.erase(found);
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(id, cookie); child.IsOk();
         child = tree.GetNextChild(id, cookie))
        ForgetSubtree(child);
}

TreeItem* WxTreeControl::ItemOf(const VirtualTree& tree, const wxTreeItemId& id)
{
    return tree.GetItemData(id);
}
