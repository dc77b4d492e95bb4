#pragma once

#include <wx/dialog.h>

#include <array>

class OptionsForm;
class Prompts;
class wxCheckBox;
class wxRadioButton;

// The "Options" dialog: the main view's time format, the four switches and the rounding of
// copied times, shown from and written into an OptionsForm.
class OptionsDialog : public wxDialog
{
public:
    OptionsDialog(wxWindow* parent, OptionsForm& form, Prompts& prompts);

    // Opens the form, shows the dialog and answers whether it ended with OK.
    static bool Run(wxWindow* parent, OptionsForm& form, Prompts& prompts);

    // Copies the controls into the form and confirms it; OK closes the dialog only when the
    // form accepts.
    bool TransferDataFromWindow() override;

private:
    // A group of radio buttons with a hidden last one that stands for "none selected", which
    // GTK cannot show otherwise: it always selects one button of a visible group.
    template <size_t N> struct RadioGroup
    {
        std::array<wxRadioButton*, N> buttons{};
        wxRadioButton* none = nullptr;
        int first = 0;

        void Select(int value);
        int Selected() const;
    };

    OptionsForm& form;
    Prompts& prompts;
    RadioGroup<3> timeFormat;
    RadioGroup<5> timeRound;
    wxCheckBox* workingTime = nullptr;
    wxCheckBox* logging = nullptr;
    wxCheckBox* autoSave = nullptr;
    wxCheckBox* trayIcon = nullptr;
};
