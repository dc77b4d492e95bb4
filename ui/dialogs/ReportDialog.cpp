#include "ui/dialogs/ReportDialog.h"

#include "app/clock/LocalDates.h"
#include "app/forms/ReportForm.h"
#include "app/journal/SessionsCsv.h"
#include "toolbox/Places.h"
#include "ui/WxText.h"
#include "ui/dialogs/ReportChart.h"
#ifdef TALLYDENE_CALENDARS
#include "ui/dialogs/CalendarExport.h"
#endif

#include <wx/artprov.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <optional>

ReportDialog::ReportDialog(wxWindow* parent, ReportForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, _("Report"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      form(form), prompts(prompts)
{
    list = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(-1, 200)),
                          wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "totals");
    list->AppendColumn(_("Project"), wxLIST_FORMAT_LEFT, FromDIP(200));
    list->AppendColumn(_("Todo"), wxLIST_FORMAT_LEFT, FromDIP(200));
    list->AppendColumn(_("Time"), wxLIST_FORMAT_RIGHT, FromDIP(90));
    list->AppendColumn(_("Hours"), wxLIST_FORMAT_RIGHT, FromDIP(90));
    chart = new ReportChart(this, form);

    auto* content = new wxBoxSizer(wxVERTICAL);
    const int border = FromDIP(10);
    content->Add(NewPeriodRow(), wxSizerFlags().Expand().Border(wxALL, border));
    // Both grow with the window; the table takes the larger share of a taller one.
    content->Add(list, wxSizerFlags(3).Expand().Border(wxLEFT | wxRIGHT, border));
    content->Add(chart, wxSizerFlags(2).Expand().Border(wxLEFT | wxRIGHT | wxTOP, border));
    content->Add(NewButtonRow(), wxSizerFlags().Expand().Border(wxALL, border));
    SetSizer(content);
    // As large as the table and chart want, but never beyond a small or scaled screen.
    const wxRect screen = wxDisplay(this).GetClientArea();
    wxSize size = FromDIP(wxSize(720, 680));
    size.DecTo(screen.GetSize());
    SetSize(size);
    CentreOnParent();
    ShowPeriod();
}

wxSizer* ReportDialog::NewPeriodRow()
{
    span = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0,
                        wxDefaultValidator, "span");
    span->Append(_("Day"));
    span->Append(_("Week"));
    span->Append(_("Month"));
    span->SetSelection(static_cast<int>(form.GetPeriod().GetSpan()));
    auto* earlier = new wxBitmapButton(
        this, wxID_ANY, wxArtProvider::GetBitmapBundle(wxART_GO_BACK, wxART_BUTTON),
        wxDefaultPosition, wxDefaultSize, wxBU_AUTODRAW, wxDefaultValidator, "earlier");
    auto* later = new wxBitmapButton(
        this, wxID_ANY, wxArtProvider::GetBitmapBundle(wxART_GO_FORWARD, wxART_BUTTON),
        wxDefaultPosition, wxDefaultSize, wxBU_AUTODRAW, wxDefaultValidator, "later");
    earlier->SetToolTip(_("Earlier"));
    later->SetToolTip(_("Later"));
    title = new wxStaticText(this, wxID_ANY, wxEmptyString);
    title->SetFont(title->GetFont().Bold());

    span->Bind(wxEVT_CHOICE, &ReportDialog::OnSpan, this);
    earlier->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Step(-1); });
    later->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Step(1); });

    const wxSizerFlags centred = wxSizerFlags().CenterVertical().Border(wxRIGHT, FromDIP(6));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(span, centred);
    row->Add(earlier, centred);
    row->Add(later, centred);
    row->Add(title, wxSizerFlags(1).CenterVertical().Border(wxLEFT, FromDIP(6)));
    return row;
}

wxSizer* ReportDialog::NewButtonRow()
{
    auto* copy = new wxButton(this, wxID_ANY, _("&Copy as Text"));
    auto* exportCsv = new wxButton(this, wxID_ANY, _("&Export CSV..."));
    copy->Bind(wxEVT_BUTTON, &ReportDialog::OnCopy, this);
    exportCsv->Bind(wxEVT_BUTTON, &ReportDialog::OnExport, this);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(copy, wxSizerFlags().Border(wxRIGHT, FromDIP(6)));
    row->Add(exportCsv);
#ifdef TALLYDENE_CALENDARS
    auto* exportCalendar =
        new wxButton(this, wxID_ANY, _("Export &iCalendar..."), wxDefaultPosition, wxDefaultSize, 0,
                     wxDefaultValidator, "exportCalendar");
    exportCalendar->Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&)
        {
            ExportCalendar(this,
                           "sessions-" + LocalDates::Text(form.GetPeriod().GetStart(), "%Y-%m-%d") +
                               ".ics",
                           form.PeriodSessions(), prompts);
        });
    row->Add(exportCalendar, wxSizerFlags().Border(wxLEFT, FromDIP(6)));
#endif
    row->AddStretchSpacer();
    row->Add(new wxButton(this, wxID_CANCEL, _("Close")));
    return row;
}

void ReportDialog::ShowPeriod()
{
    title->SetLabel(ToWx(form.GetPeriod().Title()));
    list->DeleteAllItems();
    for (const ReportForm::Total& total : form.Totals())
    {
        const long row =
            list->InsertItem(list->GetItemCount(), ToWx(total.todo.empty() ? total.project : ""));
        list->SetItem(row, 1, ToWx(total.todo));
        list->SetItem(row, 2, ToWx(SessionsCsv::HoursAndMinutes(total.seconds)));
        list->SetItem(row, 3, ToWx(form.ShownHours(total.seconds)));
        if (total.todo.empty())
            list->SetItemFont(row, list->GetFont().Bold());
    }
    chart->Refresh();
    Layout();
}

void ReportDialog::Step(int count)
{
    form.Step(count);
    ShowPeriod();
}

void ReportDialog::OnSpan(wxCommandEvent&)
{
    form.ShowSpan(static_cast<ReportSpan>(span->GetSelection()));
    ShowPeriod();
}

void ReportDialog::OnCopy(wxCommandEvent&)
{
    wxClipboardLocker locker;
    if (!!locker)
        wxTheClipboard->SetData(new wxTextDataObject(ToWx(form.Text())));
}

void ReportDialog::OnExport(wxCommandEvent&)
{
    const wxString name =
        ToWx("report-" + LocalDates::Text(form.GetPeriod().GetStart(), "%Y-%m-%d") + ".csv");
    // Where the user keeps documents, not wherever the program was started from.
    const std::optional<toolbox::String> documents = toolbox::Places::DocumentsFolder();
    wxFileDialog dialog(this, _("Export Report"), documents ? ToWx(documents->str()) : wxString(),
                        name, _("CSV files (*.csv)|*.csv|All files|*"),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK)
        form.ExportCsv(FromWx(dialog.GetPath()), prompts);
}
