#include "model/FillTree.h"

#include "model/Project.h"
#include "model/Todo.h"

#include <cstdint>
#include <vector>

void FillTree(TreeControl& tree, toolbox::ArrayList<Project>& projects, const ItemContext& context)
{
    // Only compared with the items inserted below, never read: it may be gone by now.
    const TreeNode selection = tree.GetSelection();
    const TreeItem* selected = selection != nullptr ? tree.GetNodeData(selection) : nullptr;

    projects.Sort(CompareProjects);
    // Most fillings (a refresh, a change of options) find the items in the order shown: the
    // nodes are then brought up to date where they are, the selection with them.
    std::vector<TreeItem*> shown;
    for (int i = 0; i < projects.Count(); ++i)
    {
        Project* project = projects.Get(i);
        if (i + 1 < projects.Count())
            projects.Get(i + 1)->GetTodos().Prefetch();
        project->GetTodos().Sort(CompareTodos);
        shown.push_back(project);
        for (Todo* todo : project->GetTodos())
            shown.push_back(todo);
    }
    if (tree.RenewItemNodes(shown, context))
    {
        // As a filling anew would: selecting it again reveals it.
        if (selection != nullptr)
            tree.SelectNode(selection);
        return;
    }
    tree.DeleteAllNodes();
    TreeNode reselect = nullptr;
    for (Project* project : projects)
    {
        const TreeNode projectNode = tree.InsertItemNodeAt(nullptr, SIZE_MAX, *project, context);
        if (project == selected)
            reselect = projectNode;
        for (Todo* todo : project->GetTodos())
        {
            const TreeNode node = tree.InsertItemNodeAt(projectNode, SIZE_MAX, *todo, context);
            if (todo == selected)
                reselect = node;
        }
    }
    if (reselect != nullptr)
        tree.SelectNode(reselect);
}

void InsertProjectInOrder(TreeControl& tree, toolbox::ArrayList<Project>& projects,
                          Project& project, const ItemContext& context)
{
    std::unique_ptr<Project> moved = projects.Remove(&project);
    int position = 0;
    while (position < projects.Count() && CompareProjects(*projects.Get(position), project) <= 0)
        ++position;
    projects.Insert(position, std::move(moved));
    const int image = project.GetImage(context);
    tree.SelectNode(tree.InsertNodeAt(nullptr, static_cast<size_t>(position),
                                      project.GetLabel(context), image, image,
                                      project.GetStateImage(), project.IsExpanded(), &project));
}
