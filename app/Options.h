#pragma once

#include <cstdint>
#include <string>

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

    // The calendars: the export's one event per day and todo, and publishing to a CalDAV
    // calendar at the address as the user. The password is kept apart (CalendarPassword).
    bool IsCalendarPerDay() const { return calendar.perDay; }
    void SetCalendarPerDay(bool perDay) { calendar.perDay = perDay; }
    bool IsCalendarPublished() const { return calendar.publish; }
    const std::string& GetCalendarAddress() const { return calendar.address; }
    const std::string& GetCalendarUser() const { return calendar.user; }
    void SetCalendarPublishing(bool publish, std::string address, std::string user)
    {
        calendar.publish = publish;
        calendar.address = std::move(address);
        calendar.user = std::move(user);
        ++calendar.revision;
    }
    // Changes whenever publishing is set, so that the publisher takes the new account.
    uint64_t GetCalendarRevision() const { return calendar.revision; }

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
    struct Calendar
    {
        bool perDay = false;
        bool publish = false;
        std::string address{};
        std::string user{};
        uint64_t revision = 0;
    } calendar;
};
