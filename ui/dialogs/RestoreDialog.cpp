#include "ui/dialogs/RestoreDialog.h"

#include "app/forms/RestoreForm.h"
#include "ui/WxText.h"

#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

RestoreDialog::RestoreDialog(wxWindow* parent, RestoreForm& form, Prompts& prompts)
    : FormDialog(parent, _("Restore from backup")), form(form), prompts(prompts)
{
    auto* explanation = new wxStaticText(this, wxID_ANY,
                                         _("Tallydene keeps your data of each day you use it.\n"
                                           "Choose the day to go back to:"));
    backups = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                            wxLB_SINGLE, wxDefaultValidator, "backups");
    for (const std::string& row : form.rows)
        backups->Append(ToWx(row));
    if (form.chosen >= 0)
        backups->SetSelection(form.chosen);
    // A double click chooses as OK does.
    backups->Bind(wxEVT_LISTBOX_DCLICK,
                  [this](wxCommandEvent&)
                  {
                      if (Validate() && TransferDataFromWindow())
                          EndModal(wxID_OK);
                  });

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(explanation, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content->Add(backups, wxSizerFlags(1).Expand());
    Finish(content, wxSize(300, 160));
}

bool RestoreDialog::TransferDataFromWindow()
{
    form.chosen = backups->GetSelection();
    return Accepted(form.Confirm(prompts));
}
