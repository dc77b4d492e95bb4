#pragma once

#include "ui/WxTreeControl.h"
#include "ui/dialogs/FormDialog.h"

#include <optional>

class Prompts;
class TransferTimeForm;
class wxCheckBox;
class wxCommandEvent;
class wxRadioButton;
class wxTextCtrl;
class VirtualTree;

// "Transfer time": the amount or all the time, whether the projects' totals follow, and in
// the selector variant the From and To trees side by side below; the simple variant instead
// says at its top what it is for. The trees are filled when the dialog is made.
class TransferTimeDialog : public FormDialog
{
public:
    TransferTimeDialog(wxWindow* parent, TransferTimeForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    // The choices in a row at the top and the two trees side by side below them.
    wxSizer* LayOutSelectorVariant();
    // The choices stacked, below the line that says what the dialog is for.
    wxSizer* LayOutSimpleVariant();
    // "&All the time" above "&Time:" with the amount and its hint.
    wxSizer* ChoicesBlock();
    VirtualTree* NewSelector(const wxString& name);
    void OnAllTheTime(wxCommandEvent& event);
    void OnAmount(wxCommandEvent& event);

    TransferTimeForm& form;
    Prompts& prompts;
    wxRadioButton* amountChoice;
    wxRadioButton* allTheTime;
    wxTextCtrl* amount;
    wxStaticText* hint;
    wxCheckBox* adjustProjects;
    wxStaticText* fromLabel = nullptr;
    VirtualTree* fromSelector = nullptr;
    wxStaticText* toLabel = nullptr;
    VirtualTree* toSelector = nullptr;
    std::optional<WxTreeControl> fromTree;
    std::optional<WxTreeControl> toTree;
};
