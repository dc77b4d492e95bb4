#include "ui/WxDialogs.h"

#include "app/AddTimeForm.h"
#include "app/AwayTimeForm.h"
#include "app/CleanUpForm.h"
#include "app/HistoryForm.h"
#include "app/OptionsForm.h"
#include "app/ProjectForm.h"
#include "app/RemoveTimeForm.h"
#include "app/ReportForm.h"
#include "app/RestoreForm.h"
#include "app/TodoForm.h"
#include "app/TransferTimeForm.h"
#include "app/WorkingTimeForm.h"
#include "ui/dialogs/AwayTimeDialog.h"
#include "ui/dialogs/CleanUpDialog.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/ReportDialog.h"
#include "ui/dialogs/RestoreDialog.h"
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
    return ShowFormDialog<TimeChangeDialog>(parent, form, prompts, _("Add time"), _("Add &time:"),
                                            wxSize(140, 111));
}

bool WxDialogs::Show(RemoveTimeForm& form)
{
    return ShowFormDialog<TimeChangeDialog>(parent, form, prompts, _("Remove time"),
                                            _("Remove &time:"), wxSize(154, 111));
}

bool WxDialogs::Show(TransferTimeForm& form)
{
    return ShowFormDialog<TransferTimeDialog>(parent, form, prompts);
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

bool WxDialogs::Show(RestoreForm& form)
{
    return ShowFormDialog<RestoreDialog>(parent, form, prompts);
}

bool WxDialogs::Show(HistoryForm& form)
{
    form.Open();
    HistoryDialog dialog(parent, form, prompts);
    return dialog.ShowModal() == wxID_OK;
}

bool WxDialogs::Show(AwayTimeForm& form)
{
    return ShowFormDialog<AwayTimeDialog>(parent, form, prompts);
}

bool WxDialogs::Show(ReportForm& form)
{
    // Weeks start on the locale's first weekday; wx counts it from Sunday as the form does.
    wxDateTime::WeekDay firstWeekday = wxDateTime::Mon;
    wxDateTime::GetFirstWeekDay(&firstWeekday);
    form.Open(static_cast<int>(firstWeekday));
    ReportDialog dialog(parent, form, prompts);
    return dialog.ShowModal() == wxID_OK;
}
