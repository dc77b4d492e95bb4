#include "ui/dialogs/WorkingTimeDialog.h"

#include "app/forms/WorkingTimeForm.h"
#include "ui/WxText.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

constexpr std::array<const char*, 7> WEEKDAY_LABELS = {
    wxTRANSLATE("&Monday:"),   wxTRANSLATE("&Tuesday:"), wxTRANSLATE("&Wednesday:"),
    wxTRANSLATE("T&hursday:"), wxTRANSLATE("&Friday:"),  wxTRANSLATE("&Saturday:"),
    wxTRANSLATE("S&unday:")};
constexpr std::array<const char*, 7> WEEKDAY_NAMES = {"monday", "tuesday",  "wednesday", "thursday",
                                                      "friday", "saturday", "sunday"};
constexpr int FIRST_WEEKEND_DAY = 5;

} // namespace

WorkingTimeDialog::WorkingTimeDialog(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts)
    : FormDialog(parent, _("Working hours")), form(form), prompts(prompts)
{
    const wxSize fieldSize(ConvertDialogToPixels(wxSize(40, 0)).x, -1);

    auto* overtimeLabel = new wxStaticText(this, wxID_ANY, _("&Current overtime:"));
    overtime = new wxTextCtrl(this, wxID_ANY, ToWx(form.overtime), wxDefaultPosition, fieldSize, 0,
                              wxDefaultValidator, "overtime");
    auto* hint = NewHint(this, form.hint);
    LinkField(FormField::Overtime, overtime);

    auto* frame = new wxStaticBoxSizer(wxHORIZONTAL, this, _("Working hours"));
    wxWindow* box = frame->GetStaticBox();
    auto* weekdays = new wxFlexGridSizer(2, Gap(), Gap());
    auto* weekend = new wxFlexGridSizer(2, Gap(), Gap());
    for (size_t weekday = 0; weekday < targets.size(); ++weekday)
    {
        wxFlexGridSizer* column = weekday < FIRST_WEEKEND_DAY ? weekdays : weekend;
        column->Add(new wxStaticText(box, wxID_ANY, wxGetTranslation(WEEKDAY_LABELS[weekday])),
                    wxSizerFlags().CenterVertical());
        targets[weekday] =
            new wxTextCtrl(box, wxID_ANY, ToWx(form.targets[weekday]), wxDefaultPosition, fieldSize,
                           0, wxDefaultValidator, WEEKDAY_NAMES[weekday]);
        column->Add(targets[weekday]);
        LinkField(TargetField(static_cast<int>(weekday)), targets[weekday]);
    }
    frame->Add(weekdays, wxSizerFlags().Border(wxALL, Gap()));
    frame->AddStretchSpacer();
    frame->Add(weekend, wxSizerFlags().Border(wxALL, Gap()));

    auto* overtimeRow = new wxBoxSizer(wxHORIZONTAL);
    overtimeRow->Add(overtimeLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, Gap()));
    overtimeRow->Add(overtime, wxSizerFlags().CenterVertical().Border(wxRIGHT, Gap()));
    overtimeRow->Add(hint, wxSizerFlags().CenterVertical());

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(overtimeRow, wxSizerFlags().Border(wxBOTTOM, WideGap()));
    content->Add(frame, wxSizerFlags(1).Expand());
    Finish(content, wxSize(181, 152));
    overtime->SetFocus();
}

bool WorkingTimeDialog::TransferDataFromWindow()
{
    form.overtime = FromWx(overtime->GetValue());
    for (size_t weekday = 0; weekday < targets.size(); ++weekday)
        form.targets[weekday] = FromWx(targets[weekday]->GetValue());
    return Accepted(form.Confirm(prompts));
}
