#pragma once

#include <wx/dialog.h>

class Prompts;
class ReportChart;
class ReportForm;
class wxChoice;
class wxListCtrl;
class wxStaticText;

// The Report window: a day, week or month chosen above and stepped through with the arrows,
// the totals per project and todo, and the chart of the days; the totals can be copied as a
// table or exported as CSV.
class ReportDialog : public wxDialog
{
public:
    // The form is open already.
    ReportDialog(wxWindow* parent, ReportForm& form, Prompts& prompts);

    wxListCtrl& GetList() { return *list; }
    ReportChart& GetChart() { return *chart; }

private:
    wxSizer* NewPeriodRow();
    wxSizer* NewButtonRow();
    // The list, the heading and the chart show the form's period.
    void ShowPeriod();
    // The period as many spans later, or earlier for a negative count.
    void Step(int count);
    void OnSpan(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnExport(wxCommandEvent& event);

    ReportForm& form;
    Prompts& prompts;
    wxChoice* span;
    wxStaticText* title;
    wxListCtrl* list;
    ReportChart* chart;
};
