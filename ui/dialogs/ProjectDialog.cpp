#include "ui/dialogs/ProjectDialog.h"

#include "app/forms/ProjectForm.h"
#include "ui/WxText.h"
#include "ui/dialogs/CommentText.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ProjectDialog::ProjectDialog(wxWindow* parent, ProjectForm& form, Prompts& prompts)
    : FormDialog(parent, _("Project properties")), form(form), shownName(form.name),
      shownComment(form.comment), prompts(prompts)
{
    auto* nameLabel = new wxStaticText(this, wxID_ANY, _("&Name:"));
    name = new wxTextCtrl(this, wxID_ANY, ToWx(form.name), wxDefaultPosition, wxDefaultSize, 0,
                          wxDefaultValidator, "name");
    auto* totalLabel = new wxStaticText(this, wxID_ANY, _("&Total time:"));
    totalTime = new wxTextCtrl(this, wxID_ANY, ToWx(form.totalTime), wxDefaultPosition,
                               wxDefaultSize, 0, wxDefaultValidator, "totalTime");
    auto* hint = NewHint(this, form.hint);
    auto* commentLabel = new wxStaticText(this, wxID_ANY, _("&Comment:"));
    comment =
        new wxTextCtrl(this, wxID_ANY, CommentForEditing(form.comment), wxDefaultPosition,
                       wxDefaultSize, wxTE_MULTILINE | wxVSCROLL, wxDefaultValidator, "comment");
    LinkField(FormField::Name, name);
    LinkField(FormField::TotalTime, totalTime);

    auto* fields = new wxFlexGridSizer(3, Gap(), Gap());
    fields->AddGrowableCol(1);
    fields->Add(nameLabel, wxSizerFlags().CenterVertical());
    fields->Add(name, wxSizerFlags().Expand());
    fields->AddSpacer(0);
    fields->Add(totalLabel, wxSizerFlags().CenterVertical());
    fields->Add(totalTime, wxSizerFlags().Expand());
    fields->Add(hint, wxSizerFlags().CenterVertical());

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(fields, wxSizerFlags().Expand().Border(wxBOTTOM, WideGap()));
    content->Add(commentLabel, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content->Add(comment, wxSizerFlags(1).Expand());
    Finish(content, wxSize(199, 162));
    name->SetFocus();
}

bool ProjectDialog::TransferDataFromWindow()
{
    form.name = FromWx(name->GetValue(), shownName);
    form.totalTime = FromWx(totalTime->GetValue());
    form.comment = CommentFromEditing(comment->GetValue(), shownComment);
    return Accepted(form.Confirm(prompts));
}
