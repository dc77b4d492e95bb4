#include "app/commands/DropRule.h"

#include "model/Project.h"
#include "model/Todo.h"

bool TakesDrop(const TreeItem& dragged, const TreeItem* target)
{
    if (target == nullptr || !dragged.IsTodo())
        return false;
    const TreeItem* ownProject = static_cast<const Todo&>(dragged).GetProject();
    return target->IsTodo() || target != ownProject;
}
