#pragma once

#include <wx/listctrl.h>

class HistoryForm;

// The history's rows, asked of the form only for the lines on screen, so that a year of
// sessions opens at once.
class HistoryList : public wxListCtrl
{
public:
    HistoryList(wxWindow* parent, const HistoryForm& form);
    // Shows the form's rows anew.
    void Refill();
    // The selected row's index, or -1.
    long SelectedRow() const;

private:
    wxString OnGetItemText(long item, long column) const override;
    wxListItemAttr* OnGetItemAttr(long item) const override;

    const HistoryForm& form;
    mutable wxListItemAttr dayAttr;
};
