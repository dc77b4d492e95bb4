#pragma once

#include "app/Dialogs.h"

class Prompts;
class wxWindow;

// The dialogs as windows: each Run method shows the form's dialog over the parent window and
// answers whether it ended with OK.
class WxDialogs : public Dialogs
{
public:
    // None is owned; all must outlive the object.
    WxDialogs(wxWindow* parent, Prompts& prompts) : parent(parent), prompts(prompts) {}

    bool RunProjectDialog(ProjectForm& form) override;
    bool RunTodoDialog(TodoForm& form) override;
    bool RunAddTimeDialog(AddTimeForm& form) override;
    bool RunRemoveTimeDialog(RemoveTimeForm& form) override;
    bool RunTransferTimeDialog(TransferTimeForm& form) override;
    bool RunOptionsDialog(OptionsForm& form) override;
    bool RunWorkingTimeDialog(WorkingTimeForm& form) override;
    bool RunCleanUpDialog(CleanUpForm& form) override;
    bool RunRestoreDialog(RestoreForm& form) override;

private:
    wxWindow* parent;
    Prompts& prompts;
};
