#include "ui/WxDialogs.h"

#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/TimeChangeDialog.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"

bool WxDialogs::RunProjectDialog(ProjectForm& form)
{
    return ::RunProjectDialog(parent, prompts, form);
}

bool WxDialogs::RunTodoDialog(TodoForm& form)
{
    return ::RunTodoDialog(parent, prompts, form);
}

bool WxDialogs::RunAddTimeDialog(AddTimeForm& form)
{
    return ::RunAddTimeDialog(parent, prompts, form);
}

bool WxDialogs::RunRemoveTimeDialog(RemoveTimeForm& form)
{
    return ::RunRemoveTimeDialog(parent, prompts, form);
}

bool WxDialogs::RunTransferTimeDialog(TransferTimeForm& form)
{
    return ::RunTransferTimeDialog(parent, app, prompts, form);
}
