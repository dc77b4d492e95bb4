#pragma once

#include <cstdint>
#include <string>

namespace toolbox
{
class ConfigSection;
}

class Durations;

// Whose a setting is: this computer's (the window's place, the tray icon, how times are shown
// and rounded, the log and saving switches, when to ask about time away), or the books' own,
// which every computer keeping the same books shares (the overtime account and how its days
// are counted).
enum class SettingScope
{
    Machine,
    Books
};

// One value of the data file, declared once: its section (below the root), its key, its
// default and whose it is; its type is T (bool, int32_t, or const char* for a text, which stays
// the configuration's own). Reading a missing value creates it
// with the default, so that the next save writes it.
template <class T>
struct Setting
{
    const char* section = nullptr;
    const char* key = nullptr;
    T fallback{};
    SettingScope scope = SettingScope::Books;

    T Read(toolbox::ConfigSection& root) const { return ReadOr(root, fallback); }
    // With a default that only the running program knows (the time now, say).
    T ReadOr(toolbox::ConfigSection& root, T runtimeDefault) const;
    void Write(toolbox::ConfigSection& root, T value) const;
    bool IsStored(toolbox::ConfigSection& root) const;
};

// Every setting of the data file outside the projects and todos.
namespace settings
{

using enum SettingScope;

// The options dialog's.
inline constexpr Setting<bool> kAutoSave{"Options", "AutoSaveEnabled", true, Machine};
inline constexpr Setting<bool> kTrayIcon{"Options", "TrayIcon", true, Machine};
inline constexpr Setting<bool> kLogging{"Options", "LoggingEnabled", false, Machine};
inline constexpr Setting<bool> kWorkingTime{"Options", "WorkingTimeEnabled", true, Books};
inline constexpr Setting<bool> kDaysLocal{"Options", "DaysAtLocalMidnight", false, Books};
inline constexpr Setting<int32_t> kAwayThreshold{"Options", "AskAboutAwayAfter", 15, Machine};
inline constexpr Setting<int32_t> kTimeFormat{"Options", "TimeFormat", 1, Machine};
inline constexpr Setting<int32_t> kTimeRound{"Options", "TimeRound", 1, Machine};
// The calendars: the export's one event per day, and publishing to a CalDAV calendar.
inline constexpr Setting<bool> kCalendarPerDay{"Options", "CalendarPerDay", false, Machine};
inline constexpr Setting<bool> kCalendarPublish{"Options", "CalendarPublish", false, Machine};
inline constexpr Setting<const char*> kCalendarAddress{"Options", "CalendarAddress", "", Machine};
inline constexpr Setting<const char*> kCalendarUser{"Options", "CalendarUser", "", Machine};

// The overtime account; the last charged day's default is the last update's day.
inline constexpr Setting<int32_t> kOvertime{"WorkingTime", "Actual", 0, Books};
inline constexpr Setting<int32_t> kLastChargedDay{"WorkingTime", "LastChargedDay", 0, Books};
inline constexpr Setting<int32_t> kLeftUnchargedAfter{"WorkingTime", "LeftUnchargedAfter", 0,
                                                      Books};
// The last update that was saved with the last charged day; its default is the last update.
inline constexpr Setting<int32_t> kChargedAtUpdate{"WorkingTime", "LastChargedDayUpdate", 0,
                                                   Books};
// The target of each weekday, Sunday (0) to Saturday (6), in seconds.
inline constexpr Setting<int32_t> kTargets[7] = {
    {"WorkingTime", "Target0", 0, Books}, {"WorkingTime", "Target1", 0, Books},
    {"WorkingTime", "Target2", 0, Books}, {"WorkingTime", "Target3", 0, Books},
    {"WorkingTime", "Target4", 0, Books}, {"WorkingTime", "Target5", 0, Books},
    {"WorkingTime", "Target6", 0, Books},
};
// When this computer's clock was last brought up to date; its default is the time of the first
// start.
inline constexpr Setting<int32_t> kLastTimeUpdated{"Application", "LastTimeUpdated", 0,
                                                   Machine};
// The last entry of this computer's journal the file holds, written as text; read only when
// present.
inline constexpr Setting<int32_t> kJournalEntry{"Application", "JournalEntry", 0, Machine};

// The main window's placement on this computer's screen.
inline constexpr Setting<int32_t> kWindowX{"MainFrame", "XPos", 50, Machine};
inline constexpr Setting<int32_t> kWindowY{"MainFrame", "YPos", 50, Machine};
inline constexpr Setting<int32_t> kWindowWidth{"MainFrame", "XSize", 350, Machine};
inline constexpr Setting<int32_t> kWindowHeight{"MainFrame", "YSize", 350, Machine};
inline constexpr Setting<bool> kWindowMaximized{"MainFrame", "Maximized", false, Machine};

} // namespace settings

// The user's switches from the options dialog. The setters store the value and nothing else.
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

    // From and into the data file's root; a missing key is created with its default. The time
    // format and rounding are the durations', which format with them.
    void Load(toolbox::ConfigSection& root, Durations& durations);
    void Save(toolbox::ConfigSection& root, const Durations& durations) const;

private:
    bool autoSaveEnabled = settings::kAutoSave.fallback;
    bool trayIcon = settings::kTrayIcon.fallback;
    bool loggingEnabled = settings::kLogging.fallback;
    bool workingTimeEnabled = settings::kWorkingTime.fallback;
    bool daysLocal = settings::kDaysLocal.fallback;
    int awayThresholdMinutes = settings::kAwayThreshold.fallback;
    struct Calendar
    {
        bool perDay = false;
        bool publish = false;
        std::string address{};
        std::string user{};
        uint64_t revision = 0;
    } calendar;
};
