#pragma once

#include "ui/dialogs/FormDialog.h"

class CleanUpForm;
class Prompts;
class wxCheckBox;

// "Clean up todos": what the tool does, and whether to zero every todo's clock and whether to
// delete the completed todos.
class CleanUpDialog : public FormDialog
{
public:
    CleanUpDialog(wxWindow* parent, CleanUpForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    CleanUpForm& form;
    Prompts& prompts;
    wxCheckBox* zeroClocks;
    wxCheckBox* deleteCompleted;
};
