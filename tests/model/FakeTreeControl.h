#pragma once

#include "model/TreeControl.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
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
    };

    TreeNode InsertNode(TreeNode parent, const std::string& text, int image, int selectedImage,
                        int stateImage, bool expanded, TreeItem* data) override
    {
        auto node = std::make_unique<Node>(
            Node{Of(parent), text, image, selectedImage, stateImage, expanded, data, false});
        nodes.push_back(std::move(node));
        return nodes.back().get();
    }

    // Deletes the node with everything below it, as a real tree does.
    void DeleteNode(TreeNode handle) override
    {
        Node* node = Live(handle);
        node->deleted = true;
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
        selection = nullptr;
    }

    void SetNodeText(TreeNode node, const std::string& text) override { Live(node)->text = text; }
    void SetNodeImages(TreeNode node, int image, int selectedImage) override
    {
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
    Node* selection = nullptr;
};
