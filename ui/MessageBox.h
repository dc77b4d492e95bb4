#pragma once

#include <wx/dialog.h>

#include <string>

// A message box captioned "Tallydene" that shows its icon (GTK's own boxes show none) and
// opens centred on its parent. The style takes the toolkit's message box flags: wxOK or
// wxYES_NO, wxNO_DEFAULT, and one of the wxICON_ flags.
class MessageBox : public wxDialog
{
public:
    MessageBox(wxWindow* parent, const std::string& message, long style);

    const std::string& GetMessage() const { return message; }
    long GetStyle() const { return style; }

private:
    std::string message;
    long style;
};
