#pragma once

#include "ui/WxTreeControl.h"
#include "ui/dialogs/FormDialog.h"

#include <memory>
#include <optional>

class Prompts;
class Tallydene;
class TransferTimeForm;
class wxCheckBox;
class wxCommandEvent;
class wxImageList;
class wxRadioButton;
class wxTextCtrl;
class wxTreeCtrl;

// "Transfer time": the amount or all the time, whether the projects' totals follow, and in
// the selector variant the From and To trees side by side below; the simple variant instead
// says at its top what it is for. The trees are filled when the dialog is made.
class TransferTimeDialog : public FormDialog
{
public:
    TransferTimeDialog(wxWindow* parent, TransferTimeForm& form, Prompts& prompts);
    ~TransferTimeDialog() override;

    bool TransferDataFromWindow() override;

private:
    // The selector variant's row of choices above the two trees.
    wxSizer* LayOutSelectorVariant();
    wxSizer* LayOutSimpleVariant();
    wxSizer* ChoicesBlock();
    wxTreeCtrl* NewSelector(const wxString& name);
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
    wxTreeCtrl* fromSelector = nullptr;
    wxStaticText* toLabel = nullptr;
    wxTreeCtrl* toSelector = nullptr;
    // The main view's pictures, shared by both trees.
    std::unique_ptr<wxImageList> images;
    std::unique_ptr<wxImageList> stateImages;
    std::optional<WxTreeControl> fromTree;
    std::optional<WxTreeControl> toTree;
};

// Opens the form and shows it, then rebuilds the main tree whatever the result, since filling
// the selectors pointed the items at them. Answers whether the dialog ended with OK, the time
// moved.
bool RunTransferTimeDialog(wxWindow* parent, Tallydene& app, Prompts& prompts,
                           TransferTimeForm& form);
