#include "ui/WxPrompts.h"

#include "ui/WxText.h"

#include <wx/msgdlg.h>

namespace
{

const wxString kCaption = "Tallydene";

} // namespace

void WxPrompts::Refuse(const std::string& message)
{
    wxMessageBox(ToWx(message), kCaption, wxOK | wxICON_ERROR, parent);
}

bool WxPrompts::Ask(const std::string& message, QuestionIcon icon)
{
    const long iconStyle = icon == QuestionIcon::Warning ? wxICON_WARNING : wxICON_QUESTION;
    return wxMessageBox(ToWx(message), kCaption, wxYES_NO | iconStyle, parent) == wxYES;
}

void WxPrompts::Inform(const std::string& message)
{
    wxMessageBox(ToWx(message), kCaption, wxOK | wxICON_INFORMATION, parent);
}
