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

    // From and into the section "Options"; a missing key is created with its default.
    void Load(toolbox::ConfigSection& section);
    void Save(toolbox::ConfigSection& section) const;

private:
    bool autoSaveEnabled = true;
    bool trayIcon = true;
    bool loggingEnabled = false;
    bool workingTimeEnabled = true;
    bool daysLocal = false;
};
