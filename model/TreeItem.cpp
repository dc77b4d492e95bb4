#include "model/TreeItem.h"

#include "model/ItemId.h"
#include "toolbox/ConfigSection.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>
#include <vector>

TreeItem::TreeItem(std::string defaultName) : name(std::move(defaultName)), id(ItemId::Make()) {}

TreeItem::~TreeItem() = default;

void TreeItem::Load(toolbox::ConfigSection& own)
{
    name = own.GetName();
    expanded = own.GetBool("Expanded", true);
    // Not read with a default: that would put an empty id into the store.
    const std::string stored = own.HasParameter("Id") ? own.GetString("Id", "") : "";
    idStored = ItemId::IsWellFormed(stored);
    if (idStored)
        id = stored;
    else
        MarkChanged();
}

void TreeItem::Save(toolbox::ConfigSection& parent) const
{
    toolbox::ConfigSection& own = OwnSection(parent);
    own.SetBool("Expanded", expanded);
    own.SetString("Id", id.c_str());
}

void TreeItem::KeepOnly(toolbox::ConfigSection& own,
                        std::initializer_list<const char*> parameterNames)
{
    if (own.Parameters().Count() == static_cast<int>(parameterNames.size()))
        return;
    std::vector<std::string> others;
    for (const char* name : own.ParameterNames())
        if (std::none_of(parameterNames.begin(), parameterNames.end(),
                         [&](const char* kept) { return std::strcmp(kept, name) == 0; }))
            others.emplace_back(name);
    for (const std::string& name : others)
        own.RemoveParameter(name.c_str());
}

int TreeItem::KeepOnlySections(toolbox::ConfigSection& section,
                               const std::vector<std::string_view>& sectionNames)
{
    const std::unordered_set<std::string_view> kept(sectionNames.begin(), sectionNames.end());
    const int distinct = static_cast<int>(kept.size());
    if (section.Sections().Count() == distinct)
        return distinct;
    std::vector<std::string> others;
    for (const char* name : section.SectionNames())
        if (kept.count(name) == 0)
            others.emplace_back(name);
    for (const std::string& name : others)
        section.RemoveSection(name.c_str());
    return distinct;
}

int TreeItem::KeepOnlyList(toolbox::ConfigSection& list,
                           const std::vector<std::string_view>& itemNames)
{
    if (list.Parameters().Count() > 0)
        list.RemoveAllParameters();
    return KeepOnlySections(list, itemNames);
}

toolbox::ConfigSection& TreeItem::OwnSection(toolbox::ConfigSection& parent) const
{
    return parent.GetSection(name.c_str());
}

void TreeItem::InsertIntoTree(TreeControl& tree, const ItemContext& context)
{
    tree.InsertItemNodeAt(GetParentNode(tree), SIZE_MAX, *this, context);
}

TreeNode TreeControl::InsertItemNodeAt(TreeNode parent, size_t position, TreeItem& item,
                                       const ItemContext& context)
{
    const int image = item.GetImage(context);
    return InsertNodeAt(parent, position, item.GetLabel(context), image, image,
                        item.GetStateImage(), item.IsExpanded(), &item);
}

bool TreeControl::RenewItemNodes(const std::vector<TreeItem*>&, const ItemContext&)
{
    return false;
}

int CompareNames(const std::string& a, const std::string& b)
{
    const auto fold = [](char c)
    {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    };
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i)
    {
        const int difference = fold(a[i]) - fold(b[i]);
        if (difference != 0)
        {
            return difference;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
