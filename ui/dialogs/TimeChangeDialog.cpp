#include "ui/dialogs/TimeChangeDialog.h"

#include "app/forms/TimeChangeForm.h"
#include "ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TimeChangeDialog::TimeChangeDialog(wxWindow* parent, TimeChangeForm& form, Prompts& prompts,
                                   const wxString& title, const wxString& amountLabel,
                                   const wxSize& dialogUnits)
    : FormDialog(parent, title), form(form), prompts(prompts)
{
    auto* todoLine = new wxStaticText(this, wxID_ANY, wxString());
    // A name is shown as it is; an ampersand in it is no mnemonic.
    todoLine->SetLabelText(ToWx(form.todoLine));
    auto* currentTimeLine = new wxStaticText(this, wxID_ANY, wxString());
    currentTimeLine->SetLabelText(ToWx(form.currentTimeLine));
    auto* label = new wxStaticText(this, wxID_ANY, amountLabel);
    amount = new wxTextCtrl(this, wxID_ANY, ToWx(form.amount), wxDefaultPosition, wxDefaultSize, 0,
                            wxDefaultValidator, "amount");
    auto* hint = NewHint(this, form.hint);
    adjustProject = new wxCheckBox(this, wxID_ANY, _("Adjust &project's time"));
    adjustProject->SetValue(form.adjustProject);
    adjustOvertime = new wxCheckBox(this, wxID_ANY, _("Adjust &overtime"));
    adjustOvertime->SetValue(form.adjustOvertime);
    adjustOvertime->Enable(form.overtimeEditable);
    LinkField(FormField::Amount, amount);

    auto* amountRow = new wxBoxSizer(wxHORIZONTAL);
    amountRow->Add(label, wxSizerFlags().CenterVertical().Border(wxRIGHT, Gap()));
    amountRow->Add(amount, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, Gap()));
    amountRow->Add(hint, wxSizerFlags().CenterVertical());

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(todoLine, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content->Add(currentTimeLine, wxSizerFlags().Border(wxBOTTOM, WideGap()));
    content->Add(amountRow, wxSizerFlags().Expand().Border(wxBOTTOM, WideGap()));
    content->Add(adjustProject, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content->Add(adjustOvertime);
    Finish(content, dialogUnits);
    amount->SetFocus();
}

bool TimeChangeDialog::TransferDataFromWindow()
{
    form.amount = FromWx(amount->GetValue());
    form.adjustProject = adjustProject->GetValue();
    form.adjustOvertime = adjustOvertime->GetValue();
    return Accepted(form.Confirm(prompts));
}
