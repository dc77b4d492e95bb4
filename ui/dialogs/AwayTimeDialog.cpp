#include "ui/dialogs/AwayTimeDialog.h"

#include "app/forms/AwayTimeForm.h"
#include "ui/WxText.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

AwayTimeDialog::AwayTimeDialog(wxWindow* parent, AwayTimeForm& form, Prompts& prompts)
    : FormDialog(parent, _("Away time")), form(form), prompts(prompts)
{
    auto* content = new wxBoxSizer(wxVERTICAL);
    auto* question = new wxStaticText(this, wxID_ANY, ToWx(form.question));
    question->Wrap(ConvertDialogToPixels(wxSize(240, 0)).x); // lines a reader can follow
    content->Add(question, wxSizerFlags().Border(wxBOTTOM, WideGap()));
    const std::array<wxString, 3> labels = {
        _("&Keep it on the todo"), _("&Discard it and keep running"), _("Discard it and &pause")};
    for (size_t i = 0; i < choices.size(); ++i)
    {
        choices[i] = new wxRadioButton(this, wxID_ANY, labels[i], wxDefaultPosition, wxDefaultSize,
                                       i == 0 ? wxRB_GROUP : 0);
        content->Add(choices[i], wxSizerFlags().Border(wxBOTTOM, Gap()));
    }
    wxRadioButton* chosen = choices[static_cast<size_t>(form.answer)];
    chosen->SetValue(true);
    Finish(content, wxSize(200, 90));
    // The keys move between the answers and Return takes the one chosen; OK would take the
    // arrow keys away from them.
    chosen->SetFocus();
}

bool AwayTimeDialog::TransferDataFromWindow()
{
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i]->GetValue())
            form.answer = static_cast<AwayTimeForm::Answer>(i);
    return Accepted(form.Confirm(prompts));
}
