#pragma once

#include "ui/dialogs/FormDialog.h"

class Prompts;
class RestoreForm;
class wxListBox;

// "Restore from backup": the backups, newest first, each with its date, size, contents and
// balance; OK asks before the current data is replaced.
class RestoreDialog : public FormDialog
{
public:
    RestoreDialog(wxWindow* parent, RestoreForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    RestoreForm& form;
    Prompts& prompts;
    wxListBox* backups;
};
