#include "ui/dialogs/FormDialog.h"

#include "ui/WxText.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

FormDialog::FormDialog(wxWindow* parent, const wxString& title) : wxDialog(parent, wxID_ANY, title)
{
}

int FormDialog::ShowModal()
{
    CentreOnParent();
    return wxDialog::ShowModal();
}

void FormDialog::Finish(wxSizer* content, const wxSize& dialogUnits)
{
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(content, wxSizerFlags(1).Expand().Border(wxALL, WideGap()));
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL),
             wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, WideGap()));
    top->SetMinSize(ConvertDialogToPixels(dialogUnits));
    SetSizerAndFit(top);
}

void FormDialog::LinkField(FormField field, wxTextCtrl* control)
{
    fields.emplace_back(field, control);
}

bool FormDialog::Accepted(const FormResult& result)
{
    if (result.accepted)
        return true;
    for (const auto& [field, control] : fields)
    {
        if (field == result.focus)
        {
            control->SetFocus();
            control->SelectAll();
        }
    }
    return false;
}

wxStaticText* FormDialog::NewHint(wxWindow* parent, const std::string& hint)
{
    return new wxStaticText(parent, wxID_ANY, ToWx(hint));
}

int FormDialog::Gap() const
{
    return ConvertDialogToPixels(wxSize(4, 0)).x;
}

int FormDialog::WideGap() const
{
    return ConvertDialogToPixels(wxSize(7, 0)).x;
}
