#pragma once

#include "ui/dialogs/FormDialog.h"

#include <array>

class AwayTimeForm;
class Prompts;
class wxRadioButton;

// "Away time": when and how long the user was away from the running todo, and three choices
// for that time, the first (keeping it) selected.
class AwayTimeDialog : public FormDialog
{
public:
    AwayTimeDialog(wxWindow* parent, AwayTimeForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    AwayTimeForm& form;
    Prompts& prompts;
    // In the order of the form's answers.
    std::array<wxRadioButton*, 3> choices{};
};
