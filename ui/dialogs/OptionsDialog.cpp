#include "ui/dialogs/OptionsDialog.h"

#include "app/OptionsForm.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace
{

template <size_t N>
void AddButtons(wxStaticBoxSizer* frame, const std::array<const char*, N>& labels,
                std::array<wxRadioButton*, N>& buttons, wxRadioButton*& none, int flags)
{
    for (size_t i = 0; i < N; ++i)
    {
        buttons[i] = new wxRadioButton(frame->GetStaticBox(), wxID_ANY, labels[i],
                                       wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        frame->Add(buttons[i], 0, flags, 4);
    }
    none = new wxRadioButton(frame->GetStaticBox(), wxID_ANY, wxEmptyString);
    none->Hide();
}

} // namespace

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
    return OptionsForm::NONE;
}

OptionsDialog::OptionsDialog(wxWindow* parent, OptionsForm& form, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, "Options"), form(form), prompts(prompts)
{
    timeFormat.first = 1;
    timeRound.first = 0;

    auto* formatFrame = new wxStaticBoxSizer(wxVERTICAL, this, "&Main view time format");
    // GTK does not widen a frame to its label; the label is longer than the buttons.
    formatFrame->SetMinSize(GetTextExtent("Main view time format").GetWidth() + 24, -1);
    AddButtons<3>(formatFrame, {"4,8", "4,75", "4:45"}, timeFormat.buttons, timeFormat.none,
                  wxLEFT | wxRIGHT | wxTOP);

    // Two columns of check boxes: overtime above logging, auto save above the tray icon.
    auto* switches = new wxFlexGridSizer(2, 2, 8, 16);
    workingTime = new wxCheckBox(this, wxID_ANY, "Enable &overtime");
    autoSave = new wxCheckBox(this, wxID_ANY, "&Auto save");
    logging = new wxCheckBox(this, wxID_ANY, "Enable &logging");
    trayIcon = new wxCheckBox(this, wxID_ANY, "&Tray icon");
    for (wxCheckBox* box : {workingTime, autoSave, logging, trayIcon})
        switches->Add(box);

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxBOTTOM | wxEXPAND, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(formatFrame, 0, wxEXPAND);
    top->Add(switches, 1, wxLEFT | wxTOP, 12);
    top->Add(buttons, 0, wxLEFT, 12);

    auto* roundFrame = new wxStaticBoxSizer(wxHORIZONTAL, this, "&Round time when copying");
    AddButtons<5>(roundFrame,
                  {"two digits", "one digit", "quarter of an hour", "half an hour", "hours"},
                  timeRound.buttons, timeRound.none, wxALL);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(top, 0, wxEXPAND | wxALL, 8);
    all->Add(roundFrame, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(all);
    SetMinClientSize(ConvertDialogToPixels(wxSize(279, 95)));
    Fit();
    CentreOnParent();

    form.Open();
    workingTime->SetValue(form.workingTimeEnabled);
    logging->SetValue(form.loggingEnabled);
    autoSave->SetValue(form.autoSaveEnabled);
    trayIcon->SetValue(form.trayIcon);
    timeFormat.Select(form.timeFormat);
    timeRound.Select(form.timeRound);
}

bool OptionsDialog::Run(wxWindow* parent, OptionsForm& form, Prompts& prompts)
{
    OptionsDialog dialog(parent, form, prompts);
    return dialog.ShowModal() == wxID_OK;
}

bool OptionsDialog::TransferDataFromWindow()
{
    form.workingTimeEnabled = workingTime->GetValue();
    form.loggingEnabled = logging->GetValue();
    form.autoSaveEnabled = autoSave->GetValue();
    form.trayIcon = trayIcon->GetValue();
    form.timeFormat = timeFormat.Selected();
    form.timeRound = timeRound.Selected();
    return form.Confirm(prompts).accepted;
}
