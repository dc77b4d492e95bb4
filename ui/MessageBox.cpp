#include "ui/MessageBox.h"

#include "ui/WxText.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

MessageBox::MessageBox(wxWindow* parent, const std::string& message, long style)
    : wxDialog(parent, wxID_ANY, "Tallydene"), message(message), style(style)
{
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    const wxBitmapBundle icon = wxArtProvider::GetBitmapBundle(
        wxArtProvider::GetMessageBoxIconId(style), wxART_MESSAGE_BOX);
    if (icon.IsOk())
        content->Add(new wxStaticBitmap(this, wxID_ANY, icon),
                     wxSizerFlags().Top().Border(wxRIGHT, FromDIP(12)));
    auto* text = new wxStaticText(this, wxID_ANY, ToWx(message));
    // Lines a reader can follow, whatever the length of the names and paths in them.
    text->Wrap(ConvertDialogToPixels(wxSize(240, 0)).x);
    content->Add(text, wxSizerFlags(1));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(content, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(12)));
    top->Add(CreateStdDialogButtonSizer(style & (wxOK | wxYES_NO | wxNO_DEFAULT)),
             wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(12)));
    SetSizerAndFit(top);
    // A box of two answers closes as No, the answer that changes nothing.
    if (style & wxYES_NO)
        SetEscapeId(wxID_NO);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent& event) { EndModal(event.GetId()); }, wxID_YES);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent& event) { EndModal(event.GetId()); }, wxID_NO);
    CentreOnParent();
}
