#pragma once

#include "ui/dialogs/FormDialog.h"

#include <array>

class Prompts;
class WorkingTimeForm;
class wxTextCtrl;

// "Working hours": the current overtime balance with its hint, and a frame with the target of
// each weekday, Monday to Friday on the left and the weekend on the right.
class WorkingTimeDialog : public FormDialog
{
public:
    WorkingTimeDialog(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    WorkingTimeForm& form;
    Prompts& prompts;
    wxTextCtrl* overtime;
    std::array<wxTextCtrl*, 7> targets{};
};
