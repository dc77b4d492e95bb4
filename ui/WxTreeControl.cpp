#include "ui/WxTreeControl.h"

#include "model/ItemImages.h"
#include "model/TreeItem.h"

#include <algorithm>
#include <cstdint>

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
        nodes.Set(data, Entry{id.GetID(), generation});
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
    nodes.Set(&item, Entry{id.GetID(), generation});
    return id.GetID();
}

bool WxTreeControl::RenewItemNodes(const std::vector<TreeItem*>& items,
                                   const ItemContext& itemContext)
{
    if (items.size() != tree.GetCount())
        return false;
    // Every node in the order shown, each showing its item: projects at the top, todos below.
    std::vector<wxTreeItemId> shown;
    shown.reserve(items.size());
    // The items are far apart in memory: each is asked for a few steps before it is needed, so
    // that the walk waits for several at once.
    constexpr size_t kAhead = 8;
    const auto showsNext = [&](const wxTreeItemId& id, bool atTop)
    {
        const size_t at = shown.size();
        if (at + kAhead < items.size())
            __builtin_prefetch(items[at + kAhead]);
        if (at == items.size() || tree.GetItemData(id) != items[at] ||
            items[at]->IsProject() != atTop)
            return false;
        shown.push_back(id);
        return true;
    };
    const wxTreeItemId root = tree.GetRootItem();
    wxTreeItemIdValue projects;
    for (wxTreeItemId project = tree.GetFirstChild(root, projects); project.IsOk();
         project = tree.GetNextChild(root, projects))
    {
        if (!showsNext(project, true))
            return false;
        wxTreeItemIdValue todos;
        for (wxTreeItemId todo = tree.GetFirstChild(project, todos); todo.IsOk();
             todo = tree.GetNextChild(project, todos))
            if (!showsNext(todo, false))
                return false;
    }
    if (shown.size() != items.size())
        return false;
    context = &itemContext;
    for (size_t i = 0; i < items.size(); ++i)
    {
        if (i + kAhead < items.size())
            __builtin_prefetch(items[i + kAhead]);
        const TreeItem& item = *items[i];
        const int image = item.GetImage(itemContext);
        tree.Renew(shown[i], image, image, item.GetStateImage(), item.IsExpanded(),
                   ShowsRunning(image));
    }
    tree.Refresh();
    return true;
}

void WxTreeControl::DeleteNode(TreeNode node)
{
    ForgetSubtree(IdOf(node));
    tree.Delete(IdOf(node));
}

void WxTreeControl::DeleteAllNodes()
{
    // Entries of items that are gone stay until they outnumber the nodes.
    if (nodes.Size() > 2 * tree.GetCount() + 64)
        nodes.Clear();
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
    const Entry* found = nodes.Find(&item);
    return found && found->generation == generation ? found->node : nullptr;
}

void WxTreeControl::ForgetSubtree(const wxTreeItemId& id)
{
    const TreeItem* item = ItemOf(tree, id);
    if (const Entry* found = nodes.Find(item); found && found->node == id.GetID())
        nodes.Erase(item);
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(id, cookie); child.IsOk();
         child = tree.GetNextChild(id, cookie))
        ForgetSubtree(child);
}

TreeItem* WxTreeControl::ItemOf(const VirtualTree& tree, const wxTreeItemId& id)
{
    return tree.GetItemData(id);
}

size_t WxTreeControl::EntryMap::Home(const TreeItem* item) const
{
    const auto key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(item));
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

const WxTreeControl::Entry* WxTreeControl::EntryMap::Find(const TreeItem* item) const
{
    if (used == 0 || item == nullptr)
        return nullptr;
    const size_t mask = slots.size() - 1;
    for (size_t at = Home(item);; at = (at + 1) & mask)
    {
        if (slots[at].item == item)
            return &slots[at].entry;
        if (slots[at].item == nullptr)
            return nullptr;
    }
}

void WxTreeControl::EntryMap::Set(const TreeItem* item, Entry entry)
{
    if (item == nullptr)
        return;
    if (2 * (used + 1) > slots.size())
        Grow();
    const size_t mask = slots.size() - 1;
    size_t at = Home(item);
    while (slots[at].item != nullptr && slots[at].item != item)
        at = (at + 1) & mask;
    if (slots[at].item == nullptr)
        ++used;
    slots[at] = Slot{item, entry};
}

void WxTreeControl::EntryMap::Erase(const TreeItem* item)
{
    if (Find(item) == nullptr)
        return;
    const size_t mask = slots.size() - 1;
    size_t hole = Home(item);
    while (slots[hole].item != item)
        hole = (hole + 1) & mask;
    // The entries after the hole that would no longer be found past it move into it.
    for (size_t next = (hole + 1) & mask; slots[next].item != nullptr; next = (next + 1) & mask)
    {
        const size_t home = Home(slots[next].item);
        const bool reachable =
            hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
        if (reachable)
        {
            slots[hole] = slots[next];
            hole = next;
        }
    }
    slots[hole] = Slot{};
    --used;
}

void WxTreeControl::EntryMap::Clear()
{
    slots.clear();
    slots.shrink_to_fit();
    used = 0;
    bits = 0;
}

void WxTreeControl::EntryMap::Grow()
{
    std::vector<Slot> old = std::move(slots);
    bits = std::max(bits + 1, 4);
    slots.assign(size_t{1} << bits, Slot{});
    used = 0;
    for (const Slot& slot : old)
        if (slot.item != nullptr)
            Set(slot.item, slot.entry);
}
