#include "ui/dialogs/CleanUpDialog.h"

#include "app/CleanUpForm.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CleanUpDialog::CleanUpDialog(wxWindow* parent, CleanUpForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, "Clean Up Todos"), form(form), prompts(prompts)
{
    auto* explanation = new wxStaticText(
        this, wxID_ANY,
        "This tool helps to clean up the todos by clearing\ntheir times and deleting "
        "completed todos.");
    zeroClocks = new wxCheckBox(this, wxID_ANY, "&Zero the clocks of all todos");
    deleteCompleted = new wxCheckBox(this, wxID_ANY, "&Delete all completed todos");

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(explanation, 0, wxALL, 8);
    all->Add(zeroClocks, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    all->Add(deleteCompleted, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    all->AddStretchSpacer();
    all->Add(buttons, 0, wxEXPAND | wxALL, 8);
    SetSizer(all);
    SetMinClientSize(ConvertDialogToPixels(wxSize(190, 93)));
    Fit();
    CentreOnParent();

    form.Open();
    zeroClocks->SetValue(form.zeroClocks);
    deleteCompleted->SetValue(form.deleteCompleted);
}

bool CleanUpDialog::Run(wxWindow* parent, CleanUpForm& form, Prompts& prompts)
{
    CleanUpDialog dialog(parent, form, prompts);
    return dialog.ShowModal() == wxID_OK;
}

bool CleanUpDialog::TransferDataFromWindow()
{
    form.zeroClocks = zeroClocks->GetValue();
    form.deleteCompleted = deleteCompleted->GetValue();
    return form.Confirm(prompts).accepted;
}
