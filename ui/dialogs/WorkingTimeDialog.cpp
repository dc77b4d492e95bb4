#include "ui/dialogs/WorkingTimeDialog.h"

#include "app/WorkingTimeForm.h"
#include "ui/WxText.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{

constexpr std::array<const char*, 7> WEEKDAY_LABELS = {
    "&Monday:", "&Tuesday:", "&Wednesday:", "T&hursday:", "&Friday:", "&Saturday:", "S&unday:"};
// Monday to Friday in the left column, the weekend in the right one.
constexpr int FIRST_WEEKEND_DAY = 5;

} // namespace

WorkingTimeDialog::WorkingTimeDialog(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, "Working hours"), form(form), prompts(prompts)
{
    const int fieldWidth = ConvertDialogToPixels(wxSize(40, 0)).GetWidth();

    auto* balanceRow = new wxBoxSizer(wxHORIZONTAL);
    balanceRow->Add(new wxStaticText(this, wxID_ANY, "&Current overtime:"), 0,
                    wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    overtime =
        new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(fieldWidth, -1));
    balanceRow->Add(overtime, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    balanceRow->Add(new wxStaticText(this, wxID_ANY, "(e.g. 12,50 or 12:30)"), 0,
                    wxALIGN_CENTER_VERTICAL);

    auto* frame = new wxStaticBoxSizer(wxHORIZONTAL, this, "Working hours");
    auto* weekdays = new wxFlexGridSizer(2, 6, 8);
    auto* weekend = new wxFlexGridSizer(2, 6, 8);
    for (int weekday = 0; weekday < 7; ++weekday)
    {
        wxFlexGridSizer* column = weekday < FIRST_WEEKEND_DAY ? weekdays : weekend;
        column->Add(new wxStaticText(frame->GetStaticBox(), wxID_ANY, WEEKDAY_LABELS[weekday]), 0,
                    wxALIGN_CENTER_VERTICAL);
        targets[weekday] = new wxTextCtrl(frame->GetStaticBox(), wxID_ANY, wxEmptyString,
                                          wxDefaultPosition, wxSize(fieldWidth, -1));
        column->Add(targets[weekday]);
    }
    frame->Add(weekdays, 0, wxALL, 8);
    frame->AddStretchSpacer();
    frame->Add(weekend, 0, wxALL, 8);

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(balanceRow, 0, wxALL, 8);
    all->Add(frame, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    all->Add(buttons, 0, wxEXPAND | wxALL, 8);
    SetSizer(all);
    SetMinClientSize(ConvertDialogToPixels(wxSize(181, 152)));
    Fit();
    CentreOnParent();

    form.Open();
    overtime->ChangeValue(ToWx(form.overtime));
    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday]->ChangeValue(ToWx(form.targets[weekday]));
    overtime->SetFocus();
    overtime->SelectAll();
}

bool WorkingTimeDialog::Run(wxWindow* parent, WorkingTimeForm& form, Prompts& prompts)
{
    WorkingTimeDialog dialog(parent, form, prompts);
    return dialog.ShowModal() == wxID_OK;
}

bool WorkingTimeDialog::TransferDataFromWindow()
{
    form.overtime = FromWx(overtime->GetValue());
    for (int weekday = 0; weekday < 7; ++weekday)
        form.targets[weekday] = FromWx(targets[weekday]->GetValue());
    return form.Confirm(prompts).accepted;
}
