#pragma once

#include "app/forms/HistoryForm.h"

#include <wx/dialog.h>

class HistoryList;
class Prompts;
class wxButton;
class wxSizer;
class wxChoice;
class wxTextCtrl;

// The History window: the sessions as a diary with the filters above them; a forgotten session
// is added with Add, a session's todo and times are changed with Edit and the session removed
// with Delete, each changing the tree at once.
class HistoryDialog : public wxDialog
{
public:
    // The form is open already.
    HistoryDialog(wxWindow* parent, HistoryForm& form, Prompts& prompts);

    HistoryList& GetList() { return *list; }
    HistoryForm& GetForm() { return form; }

private:
    // The project choice, the todo and date fields and the Filter button, which it returns.
    wxButton* CreateFilterFields();
    // The filters in one row, each field after its label.
    wxSizer* LayOutFilters(wxButton& filter);
    // Add, Edit and Delete for the selected session, and Close.
    wxSizer* CreateSessionButtons();
    void OnFilter(wxCommandEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    // The session of the selected row; a day's heading or no selection is refused.
    std::optional<size_t> SelectedSession();

    HistoryForm& form;
    Prompts& prompts;
    wxChoice* project;
    wxTextCtrl* todo;
    wxTextCtrl* from;
    wxTextCtrl* to;
    HistoryList* list;
};
