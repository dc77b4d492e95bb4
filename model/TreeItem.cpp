#include "model/TreeItem.h"

#include "toolbox/ConfigSection.h"

#include <algorithm>
#include <utility>

TreeItem::TreeItem(std::string defaultName) : name(std::move(defaultName)) {}

TreeItem::~TreeItem() = default;

void TreeItem::Load(toolbox::ConfigSection& own)
{
    name = own.GetName();
    expanded = own.GetBool("Expanded", true);
}

void TreeItem::Save(toolbox::ConfigSection& parent) const
{
    OwnSection(parent).GetParameter("Expanded").SetBool(expanded);
}

toolbox::ConfigSection& TreeItem::OwnSection(toolbox::ConfigSection& parent) const
{
    return parent.GetSection(name.c_str());
}

void TreeItem::InsertIntoTree(TreeControl& tree, const ItemContext& context)
{
    const int image = GetImage(context);
    tree.InsertNode(GetParentNode(tree), GetLabel(context), image, image, GetStateImage(), expanded,
                    this);
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
