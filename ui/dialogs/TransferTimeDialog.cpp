#include "ui/dialogs/TransferTimeDialog.h"

#include "app/forms/TransferTimeForm.h"
#include "ui/IconBundles.h"
#include "ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TransferTimeDialog::TransferTimeDialog(wxWindow* parent, TransferTimeForm& form, Prompts& prompts)
    : FormDialog(parent, _("Transfer time")), form(form), prompts(prompts)
{
    wxStaticText* intro = nullptr;
    if (form.IsSimple())
        intro = new wxStaticText(this, wxID_ANY,
                                 _("Please choose how to transfer time between todos."));
    // "&Time:" comes first in the tab order, though "&All the time" stands above it.
    amountChoice = new wxRadioButton(this, wxID_ANY, _("&Time:"), wxDefaultPosition, wxDefaultSize,
                                     wxRB_GROUP);
    allTheTime = new wxRadioButton(this, wxID_ANY, _("&All the time"));
    amount = new wxTextCtrl(this, wxID_ANY, ToWx(form.amount), wxDefaultPosition, wxDefaultSize, 0,
                            wxDefaultValidator, "amount");
    hint = NewHint(this, form.hint);
    adjustProjects = new wxCheckBox(this, wxID_ANY, _("Adjust &projects' times"));
    (form.allTheTime ? allTheTime : amountChoice)->SetValue(true);
    amount->Enable(!form.allTheTime);
    adjustProjects->SetValue(form.adjustProjects);
    LinkField(FormField::Amount, amount);

    wxSizer* content = nullptr;
    if (form.IsSimple())
    {
        content = new wxBoxSizer(wxVERTICAL);
        content->Add(intro, wxSizerFlags().Border(wxBOTTOM, WideGap()));
        content->Add(LayOutSimpleVariant(), wxSizerFlags(1).Expand());
        Finish(content, wxSize(177, 109));
    }
    else
    {
        fromLabel = new wxStaticText(this, wxID_ANY, _("&From:"));
        fromSelector = NewSelector("from");
        toLabel = new wxStaticText(this, wxID_ANY, _("T&o:"));
        toSelector = NewSelector("to");
        fromTree.emplace(*fromSelector);
        toTree.emplace(*toSelector);
        form.FillSelectors(*fromTree, *toTree);
        Finish(LayOutSelectorVariant(), wxSize(431, 222));
    }

    allTheTime->Bind(wxEVT_RADIOBUTTON, &TransferTimeDialog::OnAllTheTime, this);
    amountChoice->Bind(wxEVT_RADIOBUTTON, &TransferTimeDialog::OnAmount, this);
    amount->SetFocus();
}

VirtualTree* TransferTimeDialog::NewSelector(const wxString& name)
{
    // As the main view, and it keeps showing its selection while another control has the
    // focus.
    auto* selector = new VirtualTree(this, wxID_ANY, name);
    // The main view's pictures; each tree owns its lists, so that they go with it.
    selector->AssignImageList(TreeImageList(selector).release());
    selector->AssignStateImageList(TreeImageList(selector).release());
    return selector;
}

wxSizer* TransferTimeDialog::ChoicesBlock()
{
    auto* block = new wxFlexGridSizer(3, Gap(), Gap());
    block->Add(allTheTime, wxSizerFlags().CenterVertical());
    block->AddSpacer(0);
    block->AddSpacer(0);
    block->Add(amountChoice, wxSizerFlags().CenterVertical());
    block->Add(amount, wxSizerFlags().CenterVertical());
    block->Add(hint, wxSizerFlags().CenterVertical());
    return block;
}

wxSizer* TransferTimeDialog::LayOutSimpleVariant()
{
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(ChoicesBlock(), wxSizerFlags().Border(wxBOTTOM, WideGap()));
    content->Add(adjustProjects);
    return content;
}

wxSizer* TransferTimeDialog::LayOutSelectorVariant()
{
    auto* choices = new wxBoxSizer(wxHORIZONTAL);
    choices->Add(ChoicesBlock(), wxSizerFlags().Bottom().Border(wxRIGHT, 2 * WideGap()));
    choices->Add(adjustProjects, wxSizerFlags().Bottom());

    auto* trees = new wxBoxSizer(wxHORIZONTAL);
    for (auto [label, selector] : {std::pair{fromLabel, fromSelector}, {toLabel, toSelector}})
    {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(label, wxSizerFlags().Border(wxBOTTOM, Gap()));
        column->Add(selector, wxSizerFlags(1).Expand());
        trees->Add(column, wxSizerFlags(1).Expand().Border(selector == fromSelector ? wxRIGHT : 0,
                                                           WideGap()));
    }

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(choices, wxSizerFlags().Border(wxBOTTOM, WideGap()));
    content->Add(trees, wxSizerFlags(1).Expand());
    return content;
}

void TransferTimeDialog::OnAllTheTime(wxCommandEvent& /*event*/)
{
    amount->Disable();
}

void TransferTimeDialog::OnAmount(wxCommandEvent& /*event*/)
{
    amount->Enable();
    amount->SetFocus();
}

bool TransferTimeDialog::TransferDataFromWindow()
{
    form.allTheTime = allTheTime->GetValue();
    form.amount = FromWx(amount->GetValue());
    form.adjustProjects = adjustProjects->GetValue();
    if (!form.IsSimple())
    {
        form.fromChoice = WxTreeControl::ItemOf(*fromSelector, fromSelector->GetSelection());
        form.toChoice = WxTreeControl::ItemOf(*toSelector, toSelector->GetSelection());
    }
    return Accepted(form.Confirm(prompts));
}
