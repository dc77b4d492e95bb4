#include "ui/WxDialogs.h"

#include "ui/dialogs/CleanUpDialog.h"
#include "ui/dialogs/RestoreDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/TimeChangeDialog.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"
#include "ui/dialogs/WorkingTimeDialog.h"

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
    return ::RunTransferTimeDialog(parent, prompts, form);
}

bool WxDialogs::RunOptionsDialog(OptionsForm& form)
{
    return ::RunOptionsDialog(parent, prompts, form);
}

bool WxDialogs::RunWorkingTimeDialog(WorkingTimeForm& form)
{
    return ::RunWorkingTimeDialog(parent, prompts, form);
}

bool WxDialogs::RunCleanUpDialog(CleanUpForm& form)
{
    return ::RunCleanUpDialog(parent, prompts, form);
}

bool WxDialogs::RunRestoreDialog(RestoreForm& form)
{
    return ::RunRestoreDialog(parent, prompts, form);
}
