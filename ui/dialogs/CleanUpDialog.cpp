#include "ui/dialogs/CleanUpDialog.h"

#include "app/forms/CleanUpForm.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CleanUpDialog::CleanUpDialog(wxWindow* parent, CleanUpForm& form, Prompts& prompts)
    : FormDialog(parent, _("Clean up todos")), form(form), prompts(prompts)
{
    auto* explanation = new wxStaticText(this, wxID_ANY,
                                         _("This tool helps to clean up the todos by clearing\n"
                                           "their times and deleting completed todos."));
    zeroClocks =
        new wxCheckBox(this, wxID_ANY, _("&Zero the clocks of all todos"), wxDefaultPosition,
                       wxDefaultSize, 0, wxDefaultValidator, "zeroClocks");
    deleteCompleted =
        new wxCheckBox(this, wxID_ANY, _("&Delete all completed todos"), wxDefaultPosition,
                       wxDefaultSize, 0, wxDefaultValidator, "deleteCompleted");
    zeroClocks->SetValue(form.zeroClocks);
    deleteCompleted->SetValue(form.deleteCompleted);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(explanation, wxSizerFlags().Border(wxBOTTOM, WideGap()));
    content->Add(zeroClocks, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content->Add(deleteCompleted);
    Finish(content, wxSize(190, 93));
}

bool CleanUpDialog::TransferDataFromWindow()
{
    form.zeroClocks = zeroClocks->GetValue();
    form.deleteCompleted = deleteCompleted->GetValue();
    return Accepted(form.Confirm(prompts));
}
