#include "tests/app/RebuildingMainWindow.h"

#include "app/Tallydene.h"
#include "model/FillTree.h"

void RebuildingMainWindow::RebuildTree()
{
    FakeMainWindow::RebuildTree();
    FillTree(tree, app->GetProjects(), *app);
}
