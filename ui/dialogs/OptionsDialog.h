#pragma once

#include <wx/dialog.h>

#include <array>
#include <string>

class OptionsForm;
class Prompts;
class wxCheckBox;
class wxDirPickerCtrl;
class wxRadioButton;
class wxSizer;
class wxSpinCtrl;
class wxStaticBoxSizer;
class wxTextCtrl;

// "Options": the main view's time format beside the switches, and the rounding of copied
// times spanning the width below them. OK and Cancel stand at the right of the first row, which
// keeps the dialog as low as its frames.
class OptionsDialog : public wxDialog
{
public:
    OptionsDialog(wxWindow* parent, OptionsForm& form, Prompts& prompts);

    bool TransferDataFromWindow() override;

private:
    wxSizer* CreateFormatFrame();
    // The four short switches in two pairs, then one row for each longer setting.
    wxSizer* CreateSwitches();
    wxCheckBox* AddSwitch(const wxString& label, const char* name);
    wxSizer* CreateRoundFrame();
    wxSizer* CreateButtons();
    // The form's values into the controls.
    void ShowForm();

    // Radio buttons for the values first to first + N - 1, and a hidden last one that stands
    // for "none selected", which GTK cannot show otherwise: it always selects a button of a
    // group on screen.
    template <size_t N> struct RadioGroup
    {
        int first = 0;
        std::array<wxRadioButton*, N> buttons{};
        wxRadioButton* none = nullptr;

        void Create(wxStaticBoxSizer* frame, const std::array<std::string, N>& labels, int border);
        void Select(int value);
        int Selected() const;
    };

    // "Ask about away time after [15] minutes".
    wxSizer* NewAwayRow();
    // "Share the books through a folder" and the folder.
    wxSizer* NewShareRow();
#ifdef TALLYDENE_CALENDARS
    // Publishing to a calendar with its address, user name and password, and the calendar
    // export's one event per day.
    wxSizer* CreateCalendarFrame();
    struct CalendarControls
    {
        wxCheckBox* publish = nullptr;
        wxTextCtrl* address = nullptr;
        wxTextCtrl* user = nullptr;
        wxTextCtrl* password = nullptr;
        wxCheckBox* perDay = nullptr;
    } calendar;
#endif

    OptionsForm& form;
    Prompts& prompts;
    const int gap;
    const int wideGap;
    RadioGroup<3> timeFormat;
    RadioGroup<5> timeRound;
    wxCheckBox* workingTime;
    wxCheckBox* logging;
    wxCheckBox* autoSave;
    wxCheckBox* trayIcon;
    wxCheckBox* daysLocal;
    wxSpinCtrl* awayMinutes = nullptr;
    wxCheckBox* shareBooks = nullptr;
    wxDirPickerCtrl* shareFolder = nullptr;
};
