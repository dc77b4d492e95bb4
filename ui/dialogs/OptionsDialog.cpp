#include "ui/dialogs/OptionsDialog.h"

#include "app/Options.h"
#include "app/forms/OptionsForm.h"
#include "ui/WxText.h"
#include "ui/dialogs/FormDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filepicker.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <utility>

template <size_t N>
void OptionsDialog::RadioGroup<N>::Create(wxStaticBoxSizer* frame,
                                          const std::array<std::string, N>& labels, int border)
{
    wxWindow* box = frame->GetStaticBox();
    const bool column = frame->GetOrientation() == wxVERTICAL;
    for (size_t i = 0; i < N; ++i)
    {
        buttons[i] = new wxRadioButton(box, wxID_ANY, ToWx(labels[i]), wxDefaultPosition,
                                       wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        const bool last = i + 1 == N;
        frame->Add(buttons[i], wxSizerFlags().Border(
                                   column && !last ? wxLEFT | wxRIGHT | wxTOP : wxALL, border));
    }
    none = new wxRadioButton(box, wxID_ANY, wxEmptyString);
    none->Hide();
}

template <size_t N> void OptionsDialog::RadioGroup<N>::Select(int value)
{
    const int index = value - first;
    if (index >= 0 && index < static_cast<int>(N))
        buttons[static_cast<size_t>(index)]->SetValue(true);
    else
        none->SetValue(true);
}

template <size_t N> int OptionsDialog::RadioGroup<N>::Selected() const
{
    for (size_t i = 0; i < N; ++i)
        if (buttons[i]->GetValue())
            return first + static_cast<int>(i);
    return OptionsForm::kNone;
}

OptionsDialog::OptionsDialog(wxWindow* parent, OptionsForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, _("Options")), form(form), prompts(prompts),
      gap(ConvertDialogToPixels(wxSize(4, 0)).x), wideGap(ConvertDialogToPixels(wxSize(7, 0)).x)
{
    wxSizer* formatFrame = CreateFormatFrame();
    wxSizer* switches = CreateSwitches();
    wxSizer* roundFrame = CreateRoundFrame();
    wxSizer* awayRow = NewAwayRow();
    wxSizer* shareRow = NewShareRow();
#ifdef TALLYDENE_CALENDARS
    wxSizer* calendarFrame = CreateCalendarFrame();
#endif
    // Made last, so that they come last in the tab order.
    wxSizer* buttons = CreateButtons();

    auto* firstRow = new wxBoxSizer(wxHORIZONTAL);
    firstRow->Add(formatFrame, wxSizerFlags().Expand());
    firstRow->Add(switches, wxSizerFlags(1).Border(wxLEFT | wxTOP, 2 * wideGap));
    firstRow->Add(buttons, wxSizerFlags().Border(wxLEFT, wideGap));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(firstRow, wxSizerFlags().Expand().Border(wxALL, wideGap));
    top->Add(roundFrame, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, wideGap));
    top->Add(awayRow, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM, wideGap));
    top->Add(shareRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, wideGap));
#ifdef TALLYDENE_CALENDARS
    top->Add(calendarFrame, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, wideGap));
#endif
    top->SetMinSize(ConvertDialogToPixels(wxSize(279, 95)));
    SetSizerAndFit(top);
    CentreOnParent(); // as every form dialog opens
    ShowForm();
}

wxSizer* OptionsDialog::CreateFormatFrame()
{
    auto* frame = new wxStaticBoxSizer(wxVERTICAL, this, _("&Main view time format"));
    // GTK does not widen a frame to its label, which is longer than the buttons here.
    frame->SetMinSize(
        wxSize(GetTextExtent(wxStripMenuCodes(_("&Main view time format"))).x + 3 * wideGap, -1));
    timeFormat.first = 1;
    timeFormat.Create(frame, form.formatLabels, gap);
    return frame;
}

wxCheckBox* OptionsDialog::AddSwitch(const wxString& label, const char* name)
{
    return new wxCheckBox(this, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0,
                          wxDefaultValidator, name);
}

wxSizer* OptionsDialog::CreateSwitches()
{
    workingTime = AddSwitch(_("Enable &overtime"), "workingTime");
    logging = AddSwitch(_("Enable &logging"), "logging");
    autoSave = AddSwitch(_("&Auto save"), "autoSave");
    trayIcon = AddSwitch(_("&Tray icon"), "trayIcon");
    auto* pairs = new wxFlexGridSizer(2, 2, wideGap, 2 * wideGap);
    for (wxCheckBox* box : {workingTime, autoSave, logging, trayIcon})
        pairs->Add(box);

    // Longer settings take a row of their own below the pairs.
    const wxSizerFlags row = wxSizerFlags().Border(wxTOP, wideGap);
    auto* rows = new wxBoxSizer(wxVERTICAL);
    rows->Add(pairs);
    daysLocal = AddSwitch(_("&Days change at local midnight"), "daysLocal");
    rows->Add(daysLocal, row);
    return rows;
}

wxSizer* OptionsDialog::CreateRoundFrame()
{
    auto* frame = new wxStaticBoxSizer(wxHORIZONTAL, this, _("&Round time when copying"));
    timeRound.first = 0;
    timeRound.Create(frame,
                     {FromWx(_("two digits")), FromWx(_("one digit")),
                      FromWx(_("quarter of an hour")), FromWx(_("half an hour")),
                      FromWx(_("hours"))},
                     gap);
    return frame;
}

wxSizer* OptionsDialog::CreateButtons()
{
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    auto* ok = new wxButton(this, wxID_OK, _("OK"));
    buttons->Add(ok, wxSizerFlags().Expand().Border(wxBOTTOM, gap));
    buttons->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), wxSizerFlags().Expand());
    ok->SetDefault();
    return buttons;
}

void OptionsDialog::ShowForm()
{
    workingTime->SetValue(form.workingTimeEnabled);
    logging->SetValue(form.loggingEnabled);
    autoSave->SetValue(form.autoSaveEnabled);
    trayIcon->SetValue(form.trayIcon);
    daysLocal->SetValue(form.daysLocal);
    timeFormat.Select(form.timeFormat);
    timeRound.Select(form.timeRound);
#ifdef TALLYDENE_CALENDARS
    calendar.publish->SetValue(form.calendarPublish);
    calendar.perDay->SetValue(form.calendarPerDay);
#endif
}

wxSizer* OptionsDialog::NewAwayRow()
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, _("Ask about a&way time after")),
             wxSizerFlags().CentreVertical());
    awayMinutes = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                 wxSP_ARROW_KEYS, 0, Options::kMaxAwayThresholdMinutes,
                                 form.awayThresholdMinutes, "awayMinutes");
    row->Add(awayMinutes, wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, gap));
    row->Add(new wxStaticText(this, wxID_ANY, _("minutes")), wxSizerFlags().CentreVertical());
    return row;
}

wxSizer* OptionsDialog::NewShareRow()
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    shareBooks = AddSwitch(_("&Share the books through a folder"), "shareBooks");
    shareBooks->SetValue(form.shareBooks);
    row->Add(shareBooks, wxSizerFlags().CentreVertical());
    shareFolder = new wxDirPickerCtrl(this, wxID_ANY, ToWx(form.shareFolder),
                                      _("Folder to share the books through"), wxDefaultPosition,
                                      wxDefaultSize, wxDIRP_DEFAULT_STYLE | wxDIRP_USE_TEXTCTRL,
                                      wxDefaultValidator, "shareFolder");
    row->Add(shareFolder, wxSizerFlags(1).CentreVertical().Border(wxLEFT, gap));
    return row;
}

#ifdef TALLYDENE_CALENDARS
wxSizer* OptionsDialog::CreateCalendarFrame()
{
    auto* frame = new wxStaticBoxSizer(wxVERTICAL, this, _("Calendar"));
    calendar.publish = AddSwitch(_("Publish sessions to a cale&ndar"), "calendarPublish");
    calendar.address = new wxTextCtrl(this, wxID_ANY, ToWx(form.calendarAddress), wxDefaultPosition,
                                      wxDefaultSize, 0, wxDefaultValidator, "calendarAddress");
    calendar.user = new wxTextCtrl(this, wxID_ANY, ToWx(form.calendarUser), wxDefaultPosition,
                                   wxDefaultSize, 0, wxDefaultValidator, "calendarUser");
    calendar.password =
        new wxTextCtrl(this, wxID_ANY, ToWx(form.calendarPassword), wxDefaultPosition,
                       wxDefaultSize, wxTE_PASSWORD, wxDefaultValidator, "calendarPassword");
    calendar.perDay =
        AddSwitch(_("E&xport iCalendar with one event per day and todo"), "calendarPerDay");
    auto* fields = new wxFlexGridSizer(2, gap, wideGap);
    fields->AddGrowableCol(1);
    for (const auto& [label, field] : {std::pair{_("Calendar addr&ess:"), calendar.address},
                                       {_("&User name:"), calendar.user},
                                       {_("&Password:"), calendar.password}})
    {
        fields->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CentreVertical());
        fields->Add(field, wxSizerFlags().Expand());
    }
    frame->Add(calendar.publish, wxSizerFlags().Border(wxBOTTOM, gap));
    frame->Add(fields, wxSizerFlags().Expand().Border(wxBOTTOM, gap));
    frame->Add(calendar.perDay);
    return frame;
}
#endif

bool OptionsDialog::TransferDataFromWindow()
{
#ifdef TALLYDENE_CALENDARS
    form.calendarPublish = calendar.publish->GetValue();
    form.calendarAddress = FromWx(calendar.address->GetValue());
    form.calendarUser = FromWx(calendar.user->GetValue());
    form.calendarPassword = FromWx(calendar.password->GetValue());
    form.calendarPerDay = calendar.perDay->GetValue();
#endif
    form.shareBooks = shareBooks->GetValue();
    form.shareFolder = FromWx(shareFolder->GetPath());
    form.awayThresholdMinutes = awayMinutes->GetValue();
    form.workingTimeEnabled = workingTime->GetValue();
    form.loggingEnabled = logging->GetValue();
    form.autoSaveEnabled = autoSave->GetValue();
    form.trayIcon = trayIcon->GetValue();
    form.daysLocal = daysLocal->GetValue();
    form.timeFormat = timeFormat.Selected();
    form.timeRound = timeRound.Selected();
    const FormResult result = form.Confirm(prompts);
    if (result.focus == FormField::ShareFolder)
        shareFolder->SetFocus();
#ifdef TALLYDENE_CALENDARS
    if (result.focus == FormField::CalendarAddress)
        calendar.address->SetFocus();
#endif
    return result.accepted;
}
