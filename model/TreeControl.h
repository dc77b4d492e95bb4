#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Opaque handle of a node in a tree control; nullptr stands for no node and for the root.
using TreeNode = void*;

class ItemContext;
class TreeItem;

// A tree of projects and todos as the model sees it. The main tree and the selectors of the
// transfer dialog implement it with widgets; tests implement it with a recording fake.
class TreeControl
{
public:
    virtual ~TreeControl() = default;

    // Inserts as the child at position of parent (nullptr: top level); a position past the
    // last child appends. stateImage < 0: no state image.
    virtual TreeNode InsertNodeAt(TreeNode parent, size_t position, const std::string& text,
                                  int image, int selectedImage, int stateImage, bool expanded,
                                  TreeItem* data) = 0;
    TreeNode InsertNode(TreeNode parent, const std::string& text, int image, int selectedImage,
                        int stateImage, bool expanded, TreeItem* data)
    {
        return InsertNodeAt(parent, SIZE_MAX, text, image, selectedImage, stateImage, expanded,
                            data);
    }
    // Inserts the node that shows item, with the item's label, pictures and expanded state. A
    // tree may make the label only when it shows the node, so that filling it with many items
    // costs no label for the ones never seen: item and context must outlive the node then.
    virtual TreeNode InsertItemNodeAt(TreeNode parent, size_t position, TreeItem& item,
                                      const ItemContext& context);
    // When the tree shows exactly these items, in this order, each project followed by its
    // todos: brings each node up to date as InsertItemNodeAt would make it and says true.
    // Otherwise false, with nothing changed, and the caller fills the tree anew; a tree may
    // always say false.
    virtual bool RenewItemNodes(const std::vector<TreeItem*>& items, const ItemContext& context);
    virtual void DeleteNode(TreeNode node) = 0;
    virtual void DeleteAllNodes() = 0;
    virtual void SetNodeText(TreeNode node, const std::string& text) = 0;
    virtual void SetNodeImages(TreeNode node, int image, int selectedImage) = 0;
    // stateImage < 0 leaves the node's state image as it is.
    virtual void SetNodeStateImage(TreeNode node, int stateImage) = 0;
    virtual void SetNodeExpanded(TreeNode node, bool expanded) = 0;
    // nullptr when nothing is selected.
    virtual TreeNode GetSelection() const = 0;
    // Also reveals the node, expanding its parent.
    virtual void SelectNode(TreeNode node) = 0;
    virtual TreeItem* GetNodeData(TreeNode node) const = 0;
    // The node that shows item in this tree; nullptr when the item has none here. Each tree
    // keeps its own, so filling one tree never disturbs another.
    virtual TreeNode NodeOf(const TreeItem& item) const = 0;
};
