#include "model/FillTree.h"

#include "model/Project.h"
#include "model/Todo.h"

#include <cstdint>

void FillTree(TreeControl& tree, toolbox::ArrayList<Project>& projects, const ItemContext& context)
{
    // Only compared with the items inserted below, never read: it may be gone by now.
    const TreeNode selection = tree.GetSelection();
    const TreeItem* selected = selection != nullptr ? tree.GetNodeData(selection) : nullptr;

    projects.Sort(CompareProjects);
    tree.DeleteAllNodes();
    TreeNode reselect = nullptr;
    for (Project* project : projects)
    {
        project->GetTodos().Sort(CompareTodos);
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
