#pragma once

#include <wx/dialog.h>

class CleanUpForm;
class Prompts;
class wxCheckBox;

// The "Clean Up Todos" dialog: whether to zero every todo's clock and whether to delete the
// completed todos, shown from and written into a CleanUpForm.
class CleanUpDialog : public wxDialog
{
public:
    CleanUpDialog(wxWindow* parent, CleanUpForm& form, Prompts& prompts);

    // Opens the form, shows the dialog and answers whether it ended with OK.
    static bool Run(wxWindow* parent, CleanUpForm& form, Prompts& prompts);

    // Copies the controls into the form and confirms it; OK closes the dialog only when the
    // form accepts.
    bool TransferDataFromWindow() override;

private:
    CleanUpForm& form;
    Prompts& prompts;
    wxCheckBox* zeroClocks = nullptr;
    wxCheckBox* deleteCompleted = nullptr;
};
