#pragma once

#include "app/forms/FormResult.h"

#include <wx/dialog.h>

#include <string>
#include <utility>
#include <vector>

class Prompts;
class wxSizer;
class wxStaticText;
class wxTextCtrl;

// The window of a form. OK (the default button) reaches TransferDataFromWindow, where the
// dialog copies its controls into the form and confirms it; a refusal focuses the field the
// form names, with its text selected, and keeps the dialog open. Cancel and the close box
// leave everything as it was.
class FormDialog : public wxDialog
{
public:
    // Opens centred on the parent, not where the toolkit would put it (the screen's corner
    // while the window manager has not yet placed the main window).
    int ShowModal() override;

protected:
    FormDialog(wxWindow* parent, const wxString& title);

    // Lays out the content above OK and Cancel, which sit at the bottom right, in a window at
    // least as large as the given size in dialog units.
    void Finish(wxSizer* content, const wxSize& dialogUnits);
    // The text control that a refusal naming the field focuses.
    void LinkField(FormField field, wxTextCtrl* control);
    // true when the form accepted; otherwise focuses and selects the named field.
    bool Accepted(const FormResult& result);

    // The form's "(e.g. 12,50 or 12:30)", shown beside every duration field.
    wxStaticText* NewHint(wxWindow* parent, const std::string& hint);
    // The space between controls that belong together, and between groups of them.
    int Gap() const;
    int WideGap() const;

private:
    std::vector<std::pair<FormField, wxTextCtrl*>> fields;
};

// Fills the form, shows its dialog modally and says whether it ended with OK.
template <class Dialog, class Form, class... Arguments>
bool ShowFormDialog(wxWindow* parent, Form& form, Prompts& prompts, Arguments&&... arguments)
{
    form.Open();
    Dialog dialog(parent, form, prompts, std::forward<Arguments>(arguments)...);
    return dialog.ShowModal() == wxID_OK;
}
