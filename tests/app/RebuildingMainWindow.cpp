#include "tests/app/RebuildingMainWindow.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"

void RebuildingMainWindow::RebuildTree()
{
    FakeMainWindow::RebuildTree();
    app->GetProjects().Sort(CompareProjects);
    tree.DeleteAllNodes();
    for (Project* project : app->GetProjects())
    {
        project->GetTodos().Sort(CompareTodos);
        project->InsertIntoTree(tree, *app);
        for (Todo* todo : project->GetTodos())
            todo->InsertIntoTree(tree, *app);
    }
}
