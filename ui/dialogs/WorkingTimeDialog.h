#pragma once

#include <wx/dialog.h>

#include <array>

class Prompts;
class WorkingTimeForm;
class wxTextCtrl;

// The "Working hours" dialog: the current overtime balance and the target of each weekday,
// shown from and written into a WorkingTimeForm.
class WorkingTimeDialog : public wxDialog
{
public:
    WorkingTimeDialog(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts);

    // Opens the form, shows the dialog and answers whether it ended with OK.
    static bool Run(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts);

    // Copies the controls into the form and confirms it; OK closes the dialog only when the
    // form accepts.
    bool TransferDataFromWindow() override;

private:
    WorkingTimeForm& form;
    Prompts& prompts;
    wxTextCtrl* overtime = nullptr;
    std::array<wxTextCtrl*, 7> targets{};
};
