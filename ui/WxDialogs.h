#pragma once

#include "app/forms/Dialogs.h"

class Prompts;
class wxWindow;

// The dialogs as windows: each Show builds the form's dialog over the parent window, shows it
// modally and answers whether it ended with OK.
class WxDialogs : public Dialogs
{
public:
    // None is owned; all must outlive the object.
    WxDialogs(wxWindow* parent, Prompts& prompts) : parent(parent), prompts(prompts) {}

    bool Show(ProjectForm& form) override;
    bool Show(TodoForm& form) override;
    bool Show(AddTimeForm& form) override;
    bool Show(RemoveTimeForm& form) override;
    bool Show(TransferTimeForm& form) override;
    bool Show(OptionsForm& form) override;
    bool Show(WorkingTimeForm& form) override;
    bool Show(CleanUpForm& form) override;
    bool Show(RestoreForm& form) override;
    bool Show(HistoryForm& form) override;
    bool Show(AwayTimeForm& form) override;
    bool Show(ReportForm& form) override;

private:
    wxWindow* parent;
    Prompts& prompts;
};
