#include "model/Todo.h"

#include "model/ItemImages.h"
#include "model/Project.h"
#include "model/SaturatedDuration.h"
#include "toolbox/ConfigSection.h"

Todo::Todo(Project* project) : TreeItem("Todo"), project(project) {}

bool Todo::HasComment() const
{
    return !comment.empty() && comment != "\r\n";
}

void Todo::SetTime(int32_t seconds)
{
    time = seconds < 0 ? 0 : seconds;
    MarkChanged();
}

void Todo::AddTime(int64_t change)
{
    SetTime(SaturatedDuration(time + change));
}

bool Todo::HasVisibleTime(const ItemContext& context) const
{
    return context.ShowsTime(time);
}

std::string Todo::GetLabel(const ItemContext& context) const
{
    return context.FormatDuration(time, 3) + "    " + GetName();
}

int Todo::GetImage(const ItemContext& context) const
{
    const bool comment = HasComment();
    if (context.GetActiveTodo() == this)
    {
        return comment ? IMAGE_ACTIVE_TODO_COMMENT : IMAGE_ACTIVE_TODO;
    }
    if (HasVisibleTime(context))
    {
        return comment ? IMAGE_TODO_TIME_COMMENT : IMAGE_TODO_TIME;
    }
    return comment ? IMAGE_TODO_COMMENT : IMAGE_TODO;
}

TreeNode Todo::GetParentNode(const TreeControl& tree) const
{
    return project != nullptr ? tree.NodeOf(*project) : nullptr;
}

int Todo::GetStateImage() const
{
    if (priority < 0 || priority > kPriorityCompleted)
    {
        return -1;
    }
    return IMAGE_FIRST_PRIORITY + priority;
}

void Todo::Load(toolbox::ConfigSection& own)
{
    TreeItem::Load(own);
    comment = own.GetString("Comment", "");
    priority = own.GetInt("Priority", 2);
    SetTime(own.GetInt("Time", 0));
}

void Todo::Save(toolbox::ConfigSection& parent) const
{
    TreeItem::Save(parent);
    toolbox::ConfigSection& own = OwnSection(parent);
    own.SetString("Comment", comment.c_str());
    own.SetInt("Priority", priority);
    SaveTime(parent);
    KeepOnly(own, {"Expanded", "Id", "Comment", "Priority", "Time"});
    if (own.Sections().Count() > 0)
        own.RemoveAllSections();
}

void Todo::SaveTime(toolbox::ConfigSection& parent) const
{
    OwnSection(parent).SetInt("Time", time);
}

void Todo::Refresh(const ItemContext& context)
{
    TreeControl* tree = context.GetMainTree();
    const TreeNode node = tree != nullptr ? tree->NodeOf(*this) : nullptr;
    if (node == nullptr)
    {
        return;
    }
    tree->SetNodeText(node, GetLabel(context));
    tree->SetNodeStateImage(node, GetStateImage());
    const int image = GetImage(context);
    tree->SetNodeImages(node, image, image);
}

int CompareTodos(const Todo& a, const Todo& b)
{
    if (a.GetPriority() != b.GetPriority())
    {
        return a.GetPriority() < b.GetPriority() ? -1 : 1;
    }
    return CompareNames(a.GetName(), b.GetName());
}
