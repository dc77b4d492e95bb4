#include "ui/WxPrompts.h"

#include "ui/MessageBox.h"

void WxPrompts::Refuse(const std::string& message)
{
    Show(parent, message, wxOK | wxICON_ERROR);
}

bool WxPrompts::Ask(const std::string& message, QuestionIcon icon)
{
    const long iconStyle = icon == QuestionIcon::Warning ? wxICON_WARNING : wxICON_QUESTION;
    return Show(parent, message, wxYES_NO | iconStyle) == wxID_YES;
}

bool WxPrompts::AskBeforeDestroying(const std::string& message)
{
    return Show(parent, message, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION) == wxID_YES;
}

void WxPrompts::Inform(const std::string& message)
{
    Show(parent, message, wxOK | wxICON_INFORMATION);
}

int WxPrompts::Show(wxWindow* parent, const std::string& message, long style)
{
    MessageBox box(parent, message, style);
    return box.ShowModal();
}
