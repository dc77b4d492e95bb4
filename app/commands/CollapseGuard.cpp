#include "app/commands/CollapseGuard.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

bool MayCollapse(const Tallydene& app, Prompts& prompts, const TreeItem& item)
{
    const Todo* active = app.GetActiveTodo();
    if (active == nullptr || active->GetProject() != &item)
        return true;
    prompts.Inform(toolbox::Translation::Tr("You cannot collapse a project with an active todo."));
    return false;
}
