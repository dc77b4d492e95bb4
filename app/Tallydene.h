#pragma once

#include "app/Durations.h"
#include "model/ItemContext.h"
#include "model/Project.h"
#include "toolbox/ArrayList.h"
#include "toolbox/TriExtApp.h"

#include <array>
#include <cstdint>
#include <string>

class MainWindow;
class Prompts;
class Todo;
class UtcClock;

// The application object: the projects with their todos, the running clock, the working-time
// account, the options and the event log. It holds everything but the windows, which it
// reaches through the main-window interface while one exists.
//
// Construction loads the settings from the configuration that the base class has read; the
// destructor runs the shutdown steps (a last clock update, "Tallydene ended" in the event log,
// the settings saved) before the base class writes the file.
class Tallydene : public mfctriext::TriExtApp, public ItemContext
{
public:
    // The clock is not owned and must outlive the application object. The decimal character
    // stands for the user's locale (LocaleDecimalChar in the running program).
    Tallydene(const UtcClock& clock, char decimalChar);
    ~Tallydene() override;
    Tallydene(const Tallydene&) = delete;
    Tallydene& operator=(const Tallydene&) = delete;

    // For a copy that ends at the single-instance check: its destructor then books no time,
    // writes no log line and does not save its settings, so the copy that runs is not
    // disturbed. Writing the configuration file is the base class's own last step.
    void SkipShutdownSteps() { shutdownSkipped = true; }

    // Reads every setting, creating missing keys with their defaults; called by the
    // constructor.
    void LoadSettings();
    // Writes every setting and all projects into the configuration in memory; the base class's
    // Save() writes the file.
    void SaveSettings();

    // Saves the settings and writes the file; every save of a command and of a tick goes
    // through here. The first failure is told in a message naming the file and the reason;
    // until a save succeeds again, the status line says the data is not saved and every clock
    // update tries again. True when the file was written.
    bool SaveAndReport();
    bool IsSaveFailing() const { return !lastSave; }
    // The run's last save. When it fails, asks whether to try again or to quit without saving
    // (no prompts: no question, the failure is only logged). True when the data was saved.
    bool SaveAtEnd(Prompts* prompts);
    // The shutdown steps, once, with the windows gone: a last clock update, "Tallydene ended"
    // in the event log, and the last save (SaveAtEnd). Nothing is written after it. True when
    // the data was saved.
    bool End(Prompts* prompts);
    // After the start, with the window up: what was wrong with the data file or its folder.
    void ReportDataFileProblems();

    // The setters store the value and nothing else; the caller updates the display.
    int32_t GetOvertimeBalance() const { return overtimeBalance; }
    void SetOvertimeBalance(int32_t seconds) { overtimeBalance = seconds; }
    // Weekday 0 is Monday, 6 Sunday; any other index raises EIllegalArgument.
    int32_t GetTarget(int weekday) const;
    void SetTarget(int weekday, int32_t seconds);
    int32_t GetTimeFormat() const { return durations.TimeFormat(); }
    void SetTimeFormat(int32_t format) { durations.SetTimeFormat(format); }
    int32_t GetTimeRound() const { return durations.TimeRound(); }
    void SetTimeRound(int32_t round) { durations.SetTimeRound(round); }
    bool IsAutoSaveEnabled() const { return autoSaveEnabled; }
    void SetAutoSaveEnabled(bool enabled) { autoSaveEnabled = enabled; }
    bool IsTrayIconEnabled() const { return trayIcon; }
    void SetTrayIconEnabled(bool enabled) { trayIcon = enabled; }
    bool IsLoggingEnabled() const { return loggingEnabled; }
    void SetLoggingEnabled(bool enabled) { loggingEnabled = enabled; }
    bool IsWorkingTimeEnabled() const { return workingTimeEnabled; }
    void SetWorkingTimeEnabled(bool enabled) { workingTimeEnabled = enabled; }
    int32_t GetLastTimeUpdated() const { return lastTimeUpdated; }

    toolbox::ArrayList<Project>& GetProjects() { return projects; }
    const toolbox::ArrayList<Project>& GetProjects() const { return projects; }
    Todo* GetActiveTodo() { return activeTodo; }
    const Todo* GetActiveTodo() const override { return activeTodo; }
    // Not owned; nullptr while no main window exists.
    void SetMainWindow(MainWindow* window) { mainWindow = window; }
    MainWindow* GetMainWindow() const { return mainWindow; }
    TreeControl* GetMainTree() const override;

    // Durations in the current settings.
    Durations& GetDurations() { return durations; }
    const Durations& GetDurations() const { return durations; }
    std::string FormatDuration(int32_t seconds, int width, bool roundForCopy, int32_t format) const;
    std::string FormatDuration(int32_t seconds, int width, bool roundForCopy) const;
    std::string FormatDuration(int32_t seconds, int width) const override;
    std::string FormatForDialog(int32_t seconds) const;
    std::string FormatForCopy(int32_t seconds) const;
    static int32_t ParseDuration(const std::string& text);
    bool ShowsTime(int32_t seconds) const override;

    // The clock: seconds since 31 December 1989, 00:00:00 UTC.
    int32_t Now() const;
    static int32_t DayOf(int32_t clockValue);
    static int WeekdayOf(int32_t day);

    // The clock update of a tick and of the start: BringUpToDate, then FinishCommand's save.
    void UpdateTime();
    // Books the time since the last update on the active todo, its project and, with overtime
    // on, the balance; charges each new day's target; refreshes the status line and the tray
    // tooltip. Nothing is saved: a command brings the clock up to date before and after its
    // change and saves once, in FinishCommand.
    void BringUpToDate();
    // A change that must reach the file when the command finishes, though no time was booked.
    void MarkChanged() { unsavedChanges = true; }
    // The end of every command: when it booked time or changed the data, and auto save is on
    // (or saves fail), the data is saved once.
    void FinishCommand();
    // Makes the todo the active one, booking the time so far on the one active until now.
    // Nothing happens when the todo is already active.
    void Activate(Todo& todo);
    // Stops the clock; nothing happens while paused.
    void Pause();

    // The status line: the totals of all todos and of all projects, and with overtime on the
    // balance.
    std::string StatusText() const;

    // One line in the event log while logging is on. The log lies beside the program, named
    // after it; where that folder cannot be written, in the data folder under the same name.
    void LogEvent(const std::string& message);
    void LogEvent(const std::string& message, const std::string& detail);

    // Whether any todo shows time, the question asked before quitting.
    bool AnyTodoOpen() const;

private:
    // The two halves of bringing the clock up to date: the accounts, then the display.
    void BookTime();
    void RefreshStatus();
    // The settings and projects written to the file; the outcome is kept in lastSave.
    bool WriteFile();
    // The projects into the store: in full, or after a clock update with nothing else unsaved,
    // only the times it booked.
    void SaveProjects(toolbox::ConfigSection& root);
    void WriteLogLine(const std::string& line);
    void ChargeDays(int32_t fromMoment, int32_t toMoment);

    const UtcClock& clock;
    bool shutdownSkipped = false;
    bool ended = false;
    // Booked or changed since the last save.
    bool unsavedChanges = false;
    // The store's projects section was written from the projects at least once.
    bool projectsWritten = false;
    // Set by a clock update that found nothing unsaved; the next save takes it.
    bool onlyBookingUnsaved = false;

    Todo* activeTodo = nullptr;
    int32_t overtimeBalance = 0;
    bool autoSaveEnabled = true;
    char decimalChar;
    int32_t lastTimeUpdated = 0;
    bool loggingEnabled = false;
    toolbox::ArrayList<Project> projects;
    std::array<int32_t, 7> targets{};
    // Holds TimeFormat, TimeRound and the decimal character in use.
    Durations durations;
    bool trayIcon = true;
    bool workingTimeEnabled = true;
    MainWindow* mainWindow = nullptr;
    toolbox::FileResult lastSave;
};
