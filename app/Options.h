#pragma once

namespace toolbox
{
class ConfigSection;
}

// The user's switches from the options dialog. The time format and rounding belong to the
// durations, which format with them. The setters store the value and nothing else.
class Options
{
public:
    bool IsAutoSaveEnabled() const { return autoSaveEnabled; }
    void SetAutoSaveEnabled(bool enabled) { autoSaveEnabled = enabled; }
    bool IsTrayIconEnabled() const { return trayIcon; }
    void SetTrayIconEnabled(bool enabled) { trayIcon = enabled; }
    bool IsLoggingEnabled() const { return loggingEnabled; }
    void SetLoggingEnabled(bool enabled) { loggingEnabled = enabled; }
    bool IsWorkingTimeEnabled() const { return workingTimeEnabled; }
    void SetWorkingTimeEnabled(bool enabled) { workingTimeEnabled = enabled; }
    // Off: days change at midnight UTC, wherever the user is.
    bool AreDaysLocal() const { return daysLocal; }
    void SetDaysLocal(bool local) { daysLocal = local; }
    // Minutes away after which the user is asked whether the time counts; 0 never asks and
    // books all the time that passed.
    int GetAwayThresholdMinutes() const { return awayThresholdMinutes; }
    void SetAwayThresholdMinutes(int minutes) { awayThresholdMinutes = minutes; }
    static constexpr int kMaxAwayThresholdMinutes = 1440;

    // From and into the section "Options"; a missing key is created with its default.
    void Load(toolbox::ConfigSection& section);
    void Save(toolbox::ConfigSection& section) const;

private:
    bool autoSaveEnabled = true;
    bool trayIcon = true;
    bool loggingEnabled = false;
    bool workingTimeEnabled = true;
    bool daysLocal = false;
    int awayThresholdMinutes = 15;
};
