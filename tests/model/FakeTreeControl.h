#pragma once

#include "model/TreeControl.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

// A tree control that keeps its nodes in memory, so that tests can read what the model put
// into it. Node handles are pointers to the recorded nodes and stay valid after deletion, so
// a test can also see that a node was deleted.
class FakeTreeControl : public TreeControl
{
public:
    struct Node
    {
        Node* parent = nullptr;
        std::string text;
        int image = -1;
        int selectedImage = -1;
        int stateImage = -1;
        bool expanded = false;
        TreeItem* data = nullptr;
        bool deleted = false;
        // How often the node's text and its images were set since it was inserted.
        int textSets = 0;
        int imageSets = 0;
    };

    TreeNode InsertNodeAt(TreeNode parent, size_t position, const std::string& text, int image,
                          int selectedImage, int stateImage, bool expanded, TreeItem* data) override
    {
        // Children are in the order of the recorded nodes: the new one goes before the live
        // child now at position.
        const std::vector<Node*> siblings = Children(parent);
        auto before = nodes.end();
        if (position < siblings.size())
            before =
                std::find_if(nodes.begin(), nodes.end(),
                             [&](const auto& node) { return node.get() == siblings[position]; });
        Node* node =
            nodes
                .insert(before, std::make_unique<Node>(Node{Of(parent), text, image, selectedImage,
                                                            stateImage, expanded, data, false, 0,
                                                            0}))
                ->get();
        if (data != nullptr)
        {
            nodeOfItem[data] = node;
        }
        return node;
    }

    // Deletes the node with everything below it, as a real tree does.
    void DeleteNode(TreeNode handle) override
    {
        Node* node = Live(handle);
        node->deleted = true;
        if (const auto found = nodeOfItem.find(node->data);
            found != nodeOfItem.end() && found->second == node)
        {
            nodeOfItem.erase(found);
        }
        for (const auto& child : nodes)
        {
            if (child->parent == node && !child->deleted)
            {
                DeleteNode(child.get());
            }
        }
        if (selection == node)
        {
            selection = nullptr;
        }
    }

    void DeleteAllNodes() override
    {
        for (const auto& node : nodes)
        {
            node->deleted = true;
        }
        nodeOfItem.clear();
        selection = nullptr;
    }

    void SetNodeText(TreeNode node, const std::string& text) override
    {
        Live(node)->text = text;
        ++Live(node)->textSets;
    }
    void SetNodeImages(TreeNode node, int image, int selectedImage) override
    {
        ++Live(node)->imageSets;
        Live(node)->image = image;
        Live(node)->selectedImage = selectedImage;
    }
    void SetNodeStateImage(TreeNode node, int stateImage) override
    {
        if (stateImage >= 0)
        {
            Live(node)->stateImage = stateImage;
        }
    }
    void SetNodeExpanded(TreeNode node, bool expanded) override { Live(node)->expanded = expanded; }
    TreeNode GetSelection() const override { return selection; }
    void SelectNode(TreeNode node) override
    {
        selection = Live(node);
        if (selection->parent != nullptr)
        {
            selection->parent->expanded = true;
        }
    }
    TreeItem* GetNodeData(TreeNode node) const override { return Live(node)->data; }
    TreeNode NodeOf(const TreeItem& item) const override
    {
        const auto found = nodeOfItem.find(&item);
        return found != nodeOfItem.end() ? found->second : nullptr;
    }

    static Node* Of(TreeNode handle) { return static_cast<Node*>(handle); }

    // The live children of parent (nullptr: the top level) in order.
    std::vector<Node*> Children(TreeNode parent) const
    {
        std::vector<Node*> children;
        for (const auto& node : nodes)
        {
            if (node->parent == Of(parent) && !node->deleted)
            {
                children.push_back(node.get());
            }
        }
        return children;
    }

    std::vector<std::string> ChildTexts(TreeNode parent) const
    {
        std::vector<std::string> texts;
        for (const Node* node : Children(parent))
        {
            texts.push_back(node->text);
        }
        return texts;
    }

    int LiveCount() const
    {
        return static_cast<int>(std::count_if(nodes.begin(), nodes.end(),
                                              [](const auto& node) { return !node->deleted; }));
    }

private:
    // Changing a deleted node is a fault of the code under test; a real tree would crash.
    static Node* Live(TreeNode handle)
    {
        Node* node = Of(handle);
        if (node == nullptr || node->deleted)
        {
            throw std::logic_error("tree node used after deletion or never inserted");
        }
        return node;
    }

    std::vector<std::unique_ptr<Node>> nodes;
    std::unordered_map<const TreeItem*, Node*> nodeOfItem;
    Node* selection = nullptr;
};
