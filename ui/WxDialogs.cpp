#include "ui/WxDialogs.h"

#include "app/AddTimeForm.h"
#include "app/CleanUpForm.h"
#include "app/MainWindow.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
#include "app/RemoveTimeForm.h"
#include "app/Tallydene.h"
#include "app/TodoForm.h"
#include "app/TransferTimeForm.h"
#include "app/WorkingTimeForm.h"
#include "ui/dialogs/CleanUpDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/TimeChangeDialog.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"
#include "ui/dialogs/WorkingTimeDialog.h"

bool WxDialogs::Show(ProjectForm& form)
{
    return ShowFormDialog<ProjectDialog>(parent, form, prompts);
}

bool WxDialogs::Show(TodoForm& form)
{
    return ShowFormDialog<TodoDialog>(parent, form, prompts);
}

bool WxDialogs::Show(AddTimeForm& form)
{
    return ShowFormDialog<TimeChangeDialog>(parent, form, prompts, "Add time",
                                            "Add &time:", wxSize(140, 111));
}

bool WxDialogs::Show(RemoveTimeForm& form)
{
    return ShowFormDialog<TimeChangeDialog>(parent, form, prompts, "Remove time",
                                            "Remove &time:", wxSize(154, 111));
}

bool WxDialogs::Show(TransferTimeForm& form)
{
    form.Open();
    bool ok = false;
    {
        TransferTimeDialog dialog(parent, form, prompts);
        // Filling the selectors pointed every item at the To selector. The clock update of a
        // timer tick or of OK refreshes the running todo on the main tree while the dialog is
        // open, so the items go back to the main tree's nodes first; the selectors keep what
        // they show and know their items all the same.
        if (!form.IsSimple())
            RebuildMainTree();
        ok = dialog.ShowModal() == wxID_OK;
    }
    RebuildMainTree();
    return ok;
}

bool WxDialogs::Show(OptionsForm& form)
{
    return ShowFormDialog<OptionsDialog>(parent, form, prompts);
}

bool WxDialogs::Show(WorkingTimeForm& form)
{
    return ShowFormDialog<WorkingTimeDialog>(parent, form, prompts);
}

bool WxDialogs::Show(CleanUpForm& form)
{
    return ShowFormDialog<CleanUpDialog>(parent, form, prompts);
}

void WxDialogs::RebuildMainTree()
{
    if (MainWindow* window = app.GetMainWindow())
        window->RebuildTree();
}
