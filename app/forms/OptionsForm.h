#pragma once

#include "app/forms/FormResult.h"

#include <array>
#include <string>

class Prompts;
class Tallydene;

// The options dialog's content: the switches, the main view's time format and the
// rounding of copied times. A radio group with no button selected is -1; a setting without a
// button of its own (time format 0) opens as -1 and stays as it was on OK.
class OptionsForm
{
public:
    static constexpr int kNone = -1;

    explicit OptionsForm(Tallydene& app);

    void Open();
    // Applies the fields to the settings in memory. Refused for publishing to an address that
    // is no web address, and for sharing without a folder that is there, when the user cancels
    // joining, or when the folder cannot be written.
    FormResult Confirm(Prompts& prompts);

    bool workingTimeEnabled = false;
    bool loggingEnabled = false;
    bool autoSaveEnabled = false;
    bool trayIcon = false;
    bool daysLocal = false;
    int timeFormat = kNone; // 1 to 3
    int timeRound = kNone;  // 0 to 4
    // 0 never asks about away time.
    int awayThresholdMinutes = 0;
    // The books shared with the user's other machines through a folder a sync engine keeps
    // equal; joining a folder that holds books asks whether to merge or to use them.
    bool shareBooks = false;
    std::string shareFolder;
    // Publishing sessions to a CalDAV calendar, and the calendar export's one event per day.
    bool calendarPublish = false;
    std::string calendarAddress;
    std::string calendarUser;
    std::string calendarPassword;
    bool calendarPerDay = false;
    // The labels of the format buttons, in the user's decimal character: "4,8", "4,75", "4:45".
    std::array<std::string, 3> formatLabels;

private:
    // Sharing begun, ended or left as it was, as the fields say.
    FormResult ConfirmSharing(Prompts& prompts);

    Tallydene& app;
};
