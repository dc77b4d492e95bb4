#include "model/Project.h"

#include "model/ItemImages.h"
#include "model/SaturatedDuration.h"
#include "toolbox/ConfigSection.h"

#include <limits>
#include <memory>

Project::Project() : TreeItem("Project") {}

void Project::SetTotalTime(int32_t seconds)
{
    const int32_t sum = SumOfTodoTimes();
    totalTime = seconds < sum ? sum : seconds;
    MarkChanged();
}

void Project::AddTime(int64_t change)
{
    SetTotalTime(SaturatedDuration(totalTime + change));
}

int32_t Project::SumOfTodoTimes() const
{
    // Each time fits a duration but their sum need not.
    constexpr int64_t maximum = std::numeric_limits<int32_t>::max();
    int64_t sum = 0;
    for (const Todo* todo : todos)
    {
        sum += todo->GetTime();
        if (sum >= maximum)
        {
            return static_cast<int32_t>(maximum);
        }
    }
    return static_cast<int32_t>(sum);
}

bool Project::AnyTodoHasVisibleTime(const ItemContext& context) const
{
    for (const Todo* todo : todos)
    {
        if (todo->HasVisibleTime(context))
        {
            return true;
        }
    }
    return false;
}

void Project::ResortTodos(const ItemContext& context)
{
    TreeControl* tree = context.GetMainTree();
    if (tree != nullptr)
    {
        for (const Todo* todo : todos)
        {
            if (const TreeNode node = tree->NodeOf(*todo); node != nullptr)
            {
                tree->DeleteNode(node);
            }
        }
    }
    todos.Sort(CompareTodos);
    if (tree != nullptr)
    {
        for (Todo* todo : todos)
        {
            todo->InsertIntoTree(*tree, context);
        }
    }
}

std::string Project::GetLabel(const ItemContext& context) const
{
    return "  " + context.FormatDuration(SumOfTodoTimes(), 0) + "  [" +
           context.FormatDuration(totalTime, 0) + "]  " + GetName();
}

int Project::GetImage(const ItemContext& context) const
{
    const bool time = AnyTodoHasVisibleTime(context);
    if (!comment.empty())
    {
        return time ? IMAGE_PROJECT_TIME_COMMENT : IMAGE_PROJECT_COMMENT;
    }
    return time ? IMAGE_PROJECT_TIME : IMAGE_PROJECT;
}

void Project::Load(toolbox::ConfigSection& own)
{
    TreeItem::Load(own);
    comment = own.GetString("Comment", "");
    for (toolbox::ConfigSection* section : own.GetSection("Todos").Sections().Values())
    {
        auto todo = std::make_unique<Todo>(this);
        todo->Load(*section);
        todos.Append(std::move(todo));
    }
    // After the todos, so that a stored total below their sum comes back as that sum.
    SetTotalTime(own.GetInt("TotalTime", 0));
}

void Project::Save(toolbox::ConfigSection& parent) const
{
    TreeItem::Save(parent);
    toolbox::ConfigSection& own = OwnSection(parent);
    own.SetString("Comment", comment.c_str());
    for (const Todo* todo : todos)
    {
        todo->Save(own.GetSection("Todos"));
    }
    own.SetInt("TotalTime", totalTime);
    KeepOnly(own, {"Expanded", "Id", "Comment", "TotalTime"});
    // A project without todos has no "Todos" section.
    if (todos.Count() == 0)
    {
        KeepOnlySections(own, {});
        return;
    }
    KeepOnlySections(own, {"Todos"});
    KeepOnlyItems(own.GetSection("Todos"), todos);
}

void Project::SaveBookedTime(toolbox::ConfigSection& parent, const Todo& todo) const
{
    toolbox::ConfigSection& own = OwnSection(parent);
    todo.SaveTime(own.GetSection("Todos"));
    own.GetParameter("TotalTime").SetInt(totalTime);
}

bool Project::ChangedSinceSave() const
{
    if (IsMarkedChanged() || todos.Count() != savedTodoCount)
        return true;
    for (const Todo* todo : todos)
        if (todo->IsMarkedChanged())
            return true;
    return false;
}

void Project::SavedAsItIs()
{
    ClearChangedMark();
    for (Todo* todo : todos)
        todo->ClearChangedMark();
    savedTodoCount = todos.Count();
}

void Project::Refresh(const ItemContext& context)
{
    TreeControl* tree = context.GetMainTree();
    const TreeNode node = tree != nullptr ? tree->NodeOf(*this) : nullptr;
    if (node == nullptr)
    {
        return;
    }
    tree->SetNodeText(node, GetLabel(context));
    tree->SetNodeExpanded(node, IsExpanded());
    const int image = GetImage(context);
    tree->SetNodeImages(node, image, image);
}

int CompareProjects(const Project& a, const Project& b)
{
    return CompareNames(a.GetName(), b.GetName());
}
