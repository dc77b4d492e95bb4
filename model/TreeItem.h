#pragma once

#include "model/ItemContext.h"
#include "model/TreeControl.h"
#include "toolbox/ArrayList.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace toolbox
{
class ConfigSection;
}

// Which of the main view's two context menus belongs to an item.
enum class ContextMenu
{
    Project,
    Todo
};

// What projects and todos have in common: a name, an expanded flag, and how the item shows
// and stores itself. The trees know which of their nodes shows which item.
class TreeItem
{
public:
    virtual ~TreeItem();
    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;

    const std::string& GetName() const { return name; }
    void SetName(const std::string& newName)
    {
        name = newName;
        MarkChanged();
    }
    // Made with the item, or taken from its section at load; never changed by a command.
    const std::string& GetId() const { return id; }
    void SetId(const std::string& newId)
    {
        if (newId == id)
            return;
        id = newId;
        MarkChanged();
    }
    // Whether the last Load found a well-formed id in the section; if not, the item kept the
    // id it was made with, which the next save writes.
    bool HasStoredId() const { return idStored; }
    bool IsExpanded() const { return expanded; }
    void SetExpanded(bool isExpanded)
    {
        expanded = isExpanded;
        MarkChanged();
    }
    // Set by every change of what the item saves, and by its making; cleared once the store
    // holds the item as it is.
    bool IsMarkedChanged() const { return markedChanged; }
    void MarkChanged() { markedChanged = true; }
    void ClearChangedMark() { markedChanged = false; }

    virtual bool IsProject() const { return false; }
    virtual bool IsTodo() const { return false; }

    virtual std::string GetLabel(const ItemContext& context) const = 0;
    virtual ContextMenu GetContextMenu() const = 0;
    virtual int GetImage(const ItemContext& context) const = 0;
    virtual TreeNode GetParentNode(const TreeControl& tree) const = 0;
    // -1 for none.
    virtual int GetStateImage() const = 0;

    // Reads the name, the id and the expanded flag from the item's own section.
    virtual void Load(toolbox::ConfigSection& own);
    // Writes the item into the section named after it inside parent; a value that is already
    // there unchanged is left alone, and whatever the item does not write goes.
    virtual void Save(toolbox::ConfigSection& parent) const;

    // Adds the item's node as the last child of its parent node in tree.
    void InsertIntoTree(TreeControl& tree, const ItemContext& context);
    // Brings the item's node on the main tree up to date; nothing while there is no main tree.
    virtual void Refresh(const ItemContext& context) = 0;

    // Removes every sub-section of section but the ones named, which are all there; gives how
    // many different names there are.
    static int KeepOnlySections(toolbox::ConfigSection& section,
                                const std::vector<std::string_view>& sectionNames);
    // A list section holds the sections of its items, just written, and nothing else; gives
    // how many different names the items have.
    template <class Item>
    static int KeepOnlyItems(toolbox::ConfigSection& list, const toolbox::ArrayList<Item>& items)
    {
        std::vector<std::string_view> names;
        for (const Item* item : items)
            names.emplace_back(item->GetName());
        return KeepOnlyList(list, names);
    }

protected:
    explicit TreeItem(std::string defaultName);

    // The section named after the item inside parent, created when missing.
    toolbox::ConfigSection& OwnSection(toolbox::ConfigSection& parent) const;
    // Removes every parameter of own but the ones named, which the caller has just written.
    static void KeepOnly(toolbox::ConfigSection& own,
                         std::initializer_list<const char*> parameterNames);

private:
    static int KeepOnlyList(toolbox::ConfigSection& list,
                            const std::vector<std::string_view>& itemNames);

    bool markedChanged = true;
    bool expanded = true;
    bool idStored = false;
    std::string name;
    std::string id;
};

// Orders names without regard to letter case: ASCII letters folded to lower case, then the
// bytes compared unsigned.
int CompareNames(const std::string& a, const std::string& b);
