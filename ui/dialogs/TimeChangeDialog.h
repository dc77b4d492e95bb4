#pragma once

#include "ui/dialogs/FormDialog.h"

class Prompts;
class TimeChangeForm;
class wxCheckBox;
class wxTextCtrl;

// The add time and the remove time dialogs, twins that differ in title, the amount's label
// and size: the todo and its current time at the top, the amount with its hint, and the
// project and overtime check boxes.
class TimeChangeDialog : public FormDialog
{
public:
    TimeChangeDialog(wxWindow* parent, TimeChangeForm& form, Prompts& prompts,
                     const wxString& title, const wxString& amountLabel, const wxSize& dialogUnits);

    bool TransferDataFromWindow() override;

private:
    TimeChangeForm& form;
    Prompts& prompts;
    wxTextCtrl* amount;
    wxCheckBox* adjustProject;
    wxCheckBox* adjustOvertime;
};
