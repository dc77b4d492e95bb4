#pragma once

#include "model/TreeControl.h"
#include "ui/VirtualTree.h"

#include <vector>

// The model's tree interface over a VirtualTree. A node is the tree's item id's own pointer;
// every node holds the TreeItem it shows.
class WxTreeControl : public TreeControl
{
public:
    explicit WxTreeControl(VirtualTree& tree);
    ~WxTreeControl() override;
    WxTreeControl(const WxTreeControl&) = delete;
    WxTreeControl& operator=(const WxTreeControl&) = delete;

    TreeNode InsertNodeAt(TreeNode parent, size_t position, const std::string& text, int image,
                          int selectedImage, int stateImage, bool expanded,
                          TreeItem* data) override;
    // The label is made when the tree first shows the node.
    TreeNode InsertItemNodeAt(TreeNode parent, size_t position, TreeItem& item,
                              const ItemContext& context) override;
    // Compares every node first, changing nothing; then each label is made anew when its row
    // is next shown, and the tree redraws once.
    bool RenewItemNodes(const std::vector<TreeItem*>& items, const ItemContext& context) override;
    void DeleteNode(TreeNode node) override;
    void DeleteAllNodes() override;
    void SetNodeText(TreeNode node, const std::string& text) override;
    void SetNodeImages(TreeNode node, int image, int selectedImage) override;
    void SetNodeStateImage(TreeNode node, int stateImage) override;
    void SetNodeExpanded(TreeNode node, bool expanded) override;
    TreeNode GetSelection() const override;
    void SelectNode(TreeNode node) override;
    TreeItem* GetNodeData(TreeNode node) const override;
    TreeNode NodeOf(const TreeItem& item) const override;

    // The item shown by a node of the tree, or nullptr for the root and an invalid id.
    static TreeItem* ItemOf(const VirtualTree& tree, const wxTreeItemId& id);

private:
    // Forgets the nodes of id and everything below it before the tree deletes them.
    void ForgetSubtree(const wxTreeItemId& id);

    // A node of an earlier filling is no node: emptying the tree only counts a generation on,
    // so that filling it again finds the items' entries and makes none.
    struct Entry
    {
        TreeNode node{};
        unsigned generation{};
    };

    // The entries by item: open addressing over one array, so that finding an item, which
    // filling the tree does for every one, touches one place in memory rather than three.
    class EntryMap
    {
    public:
        const Entry* Find(const TreeItem* item) const;
        void Set(const TreeItem* item, Entry entry);
        void Erase(const TreeItem* item);
        void Clear();
        size_t Size() const { return used; }

    private:
        struct Slot
        {
            const TreeItem* item{};
            Entry entry{};
        };
        size_t Home(const TreeItem* item) const;
        void Grow();

        std::vector<Slot> slots;
        size_t used = 0;
        int bits = 0;
    };

    VirtualTree& tree;
    // What the labels of nodes inserted for items are made with.
    const ItemContext* context = nullptr;
    EntryMap nodes;
    unsigned generation = 0;
};
