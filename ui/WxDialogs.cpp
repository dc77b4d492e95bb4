#include "ui/WxDialogs.h"

#include "app/forms/AddTimeForm.h"
#include "app/forms/AwayTimeForm.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/HistoryForm.h"
#include "app/forms/OptionsForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/ReportForm.h"
#include "app/forms/RestoreForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "app/forms/WorkingTimeForm.h"
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
