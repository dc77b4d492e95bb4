#include "ui/dialogs/TodoDialog.h"

#include "app/forms/TodoForm.h"
#include "ui/WxText.h"
#include "ui/dialogs/CommentText.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

constexpr const char* kPriorityLabels[] = {
    wxTRANSLATE("&1 (urgent)"),   wxTRANSLATE("&2 (asap)"),         wxTRANSLATE("&3 (normal)"),
    wxTRANSLATE("&4 (later on)"), wxTRANSLATE("&5 (nice to have)"), wxTRANSLATE("&Completed")};

} // namespace

TodoDialog::TodoDialog(wxWindow* parent, TodoForm& form, Prompts& prompts)
    : FormDialog(parent, _("Todo properties")), form(form), shownName(form.name),
      shownComment(form.comment), prompts(prompts)
{
    auto* content = new wxBoxSizer(wxVERTICAL);
    AddNameAndTime(*content);
    content->Add(CreatePriorityBox(), wxSizerFlags().Expand().Border(wxBOTTOM, WideGap()));
    AddComment(*content);
    LinkField(FormField::Name, name);
    Finish(content, wxSize(199, 217));
    name->SetFocus();
}

void TodoDialog::AddNameAndTime(wxSizer& content)
{
    auto* nameLabel = new wxStaticText(this, wxID_ANY, _("&Name:"));
    name = new wxTextCtrl(this, wxID_ANY, ToWx(form.name), wxDefaultPosition, wxDefaultSize, 0,
                          wxDefaultValidator, "name");
    auto* timeLabel = new wxStaticText(this, wxID_ANY, _("&Total time:"));
    auto* time = new wxTextCtrl(this, wxID_ANY, ToWx(form.time), wxDefaultPosition, wxDefaultSize,
                                0, wxDefaultValidator, "time");
    time->Disable();
    auto* note = new wxStaticText(this, wxID_ANY,
                                  _("To change the todo's time, use add, remove and transfer time "
                                    "from the Todo menu or the drag and drop feature."));
    note->Wrap(ConvertDialogToPixels(wxSize(185, 0)).x);

    auto* fields = new wxFlexGridSizer(2, Gap(), Gap());
    fields->AddGrowableCol(1);
    fields->Add(nameLabel, wxSizerFlags().CenterVertical());
    fields->Add(name, wxSizerFlags().Expand());
    fields->Add(timeLabel, wxSizerFlags().CenterVertical());
    fields->Add(time, wxSizerFlags().Expand());
    content.Add(fields, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
    content.Add(note, wxSizerFlags().Border(wxBOTTOM, WideGap()));
}

wxSizer* TodoDialog::CreatePriorityBox()
{
    auto* priorityBox = new wxStaticBoxSizer(wxVERTICAL, this, _("Priority"));
    wxStaticBox* box = priorityBox->GetStaticBox();
    for (size_t i = 0; i < priorities.size(); ++i)
        priorities[i] =
            new wxRadioButton(box, wxID_ANY, wxGetTranslation(kPriorityLabels[i]),
                              wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    // A radio group always has one button on; this hidden one stands for a stored priority
    // that no button shows, so that none of the six appears chosen.
    auto* noPriority = new wxRadioButton(box, wxID_ANY, wxString());
    noPriority->Hide();
    if (form.priority >= 0 && form.priority < static_cast<int>(priorities.size()))
        priorities[form.priority]->SetValue(true);
    else
        noPriority->SetValue(true);

    // Three columns of two: 1 and 2, 3 and 4, 5 and Completed.
    auto* columns = new wxFlexGridSizer(2, 3, Gap(), WideGap());
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            columns->Add(priorities[column * 2 + row]);
    priorityBox->Add(columns, wxSizerFlags().Border(wxALL, Gap()));
    return priorityBox;
}

void TodoDialog::AddComment(wxSizer& content)
{
    auto* commentLabel = new wxStaticText(this, wxID_ANY, _("Co&mment:"));
    comment =
        new wxTextCtrl(this, wxID_ANY, CommentForEditing(form.comment), wxDefaultPosition,
                       wxDefaultSize, wxTE_MULTILINE | wxVSCROLL, wxDefaultValidator, "comment");
    content.Add(commentLabel, wxSizerFlags().Border(wxBOTTOM, Gap()));
    content.Add(comment, wxSizerFlags(1).Expand());
}

bool TodoDialog::TransferDataFromWindow()
{
    form.name = FromWx(name->GetValue(), shownName);
    form.priority = -1;
    for (size_t i = 0; i < priorities.size(); ++i)
        if (priorities[i]->GetValue())
            form.priority = static_cast<int>(i);
    form.comment = CommentFromEditing(comment->GetValue(), shownComment);
    return Accepted(form.Confirm(prompts));
}
