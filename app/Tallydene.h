#pragma once

#include "app/Durations.h"
#include "app/EventLog.h"
#include "app/Options.h"
#include "app/backups/BackupSchedule.h"
#include "app/clock/AwayWatch.h"
#include "app/clock/DayCharging.h"
#include "app/clock/OvertimeAccount.h"
#include "app/journal/SessionJournal.h"
#include "app/journal/WorkedToday.h"
#include "app/ledger/Ledger.h"
#include "app/ledger/UndoHistory.h"
#include "app/sharing/Sharing.h"
#include "model/ItemContext.h"
#include "model/Project.h"
#include "toolbox/ArrayList.h"
#include "toolbox/TriExtApp.h"

#include <cstdint>
#include <string>

class IdleSource;
class MainWindow;
class Prompts;
class Todo;
class UtcClock;

// The application object: the projects with their todos and the running clock; it holds the
// working-time account, the options, the durations' settings and the event log, and reaches
// the windows through the main-window interface while one exists.
//
// Construction loads the settings from the configuration that the base class has read; the
// destructor runs the shutdown steps (a last clock update, "Tallydene ended" in the event log,
// the settings saved) before the base class writes the file.
class Tallydene : public mfctriext::TriExtApp, public ItemContext
{
public:
    // Names the data folder.
    static constexpr const char* kApplicationName = "Tallydene";

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

    // Writes every setting and all projects into the configuration in memory; the base class's
    // Save() writes the file.
    void SaveSettings();

    // Saves the settings and writes the file; every save of a command and of a tick goes
    // through here, after the journal has taken every entry. The first failure of either is
    // told in a message naming the file and the reason; until a save succeeds again, the
    // status line says the data is not saved and every clock update tries again. True when the
    // file was written.
    bool SaveAndReport();
    bool IsSaveFailing() const { return !lastSave; }
    // The run's last save. When it fails, asks whether to try again or to quit without saving
    // (no prompts: no question, the failure is only logged). True when the data was saved.
    bool SaveAtEnd(Prompts* prompts);
    // The shutdown steps, once, with the windows gone: a last clock update, "Tallydene ended"
    // in the event log, and the last save (SaveAtEnd). Nothing is written after it. True when
    // the data was saved.
    bool End(Prompts* prompts);
    // The data file: named after the program, in the data folder.
    std::string DataFilePath() const;
    // After the start, with the window up: what was wrong with the data file or its folder.
    // A file that could not be read is asked about until the user has it read again or sets
    // it aside; nothing is saved before.
    void ReportDataFileProblems();

    Options& GetOptions() { return options; }
    const Options& GetOptions() const { return options; }
    OvertimeAccount& GetOvertimeAccount() { return account; }
    const OvertimeAccount& GetOvertimeAccount() const { return account; }
    // The text forms of durations in the current TimeFormat, TimeRound and decimal character.
    Durations& GetDurations() { return durations; }
    const Durations& GetDurations() const { return durations; }

    toolbox::ArrayList<Project>& GetProjects() { return projects; }
    const toolbox::ArrayList<Project>& GetProjects() const { return projects; }
    Todo* GetActiveTodo() { return activeTodo; }
    const Todo* GetActiveTodo() const override { return activeTodo; }
    // Not owned; nullptr while no main window exists.
    void SetMainWindow(MainWindow* window) { mainWindow = window; }
    MainWindow* GetMainWindow() const { return mainWindow; }
    TreeControl* GetMainTree() const override;

    // What projects and todos need to show themselves.
    std::string FormatDuration(int32_t seconds, int width) const override;
    bool ShowsTime(int32_t seconds) const override;

    // The clock: seconds since 31 December 1989, 00:00:00 UTC.
    int32_t Now() const;
    // Not owned; nullptr while the desktop's idle time is unknown, which turns idle detection
    // off.
    void SetIdleSource(const IdleSource* source) { idleSource = source; }

    // The clock update of a tick and of the start: BringUpToDate, then FinishCommand's save.
    void UpdateTime();
    // With the books shared: this machine's new entries go to the shared folder and the other
    // machines' come in; a folder out of reach is told once, until it is back.
    void ExchangeWithOtherMachines();
    // Books the time the machine was awake since the last update on the active todo, its
    // project and, with overtime on, the balance, keeping away time for the user's answer;
    // charges each new day's target; refreshes the status line and the tray tooltip. Nothing
    // is saved: a command brings the clock up to date before and after its change and saves
    // once, in FinishCommand.
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
    // Another machine that shares the books started a todo at that moment (UTC seconds), after
    // the todo here: the session here ends there, and what it booked since is taken back.
    void EndForStartElsewhere(int64_t startedAt);

    // Time away while a todo ran that waits for the user's answer; nothing of it is booked yet.
    // Its todo is nullptr when the todo has been deleted since.
    std::optional<AwayGap> GetAwayTime() const { return WithLiveTodo(awayWatch.Pending()); }
    // Away time waits, the user is back, and no question about it is open.
    bool IsAwayQuestionDue() const { return awayWatch.IsQuestionDue() && !askingAboutAway; }
    void SetAskingAboutAway(bool asking) { askingAboutAway = asking; }
    // The answer takes the away time, its todo as GetAwayTime gives it.
    std::optional<AwayGap> TakeAwayTime() { return WithLiveTodo(awayWatch.TakePending()); }

    // The status line: the totals of all todos and of all projects, and with overtime on the
    // balance.
    std::string StatusText() const;
    // What the status line adds about publishing to a calendar; empty when all is sent.
    void SetCalendarStatus(std::string text)
    {
        calendarStatus = std::move(text);
        RefreshStatus();
    }
    // The status line's second field: "Today: 3:25", the time worked on the local day.
    std::string TodayText();

    // One line in the event log while logging is on.
    void LogEvent(const std::string& message);
    void LogEvent(const std::string& message, const std::string& detail);

    // The history of sessions and changes made by hand, in its file beside the configuration.
    SessionJournal& GetJournal() { return journal; }
    // The steps undo and redo take in this session.
    UndoHistory& GetUndoHistory() { return undoHistory; }
    // The books kept together with the user's other machines, when they are.
    Sharing& GetSharing() { return sharing; }
    const Sharing& GetSharing() const { return sharing; }
    // Where every change of the books goes through.
    Ledger& GetLedger() { return ledger; }
    const Ledger& GetLedger() const { return ledger; }
    // At the start, before the first clock update: ends a session a crash left open.
    void CloseInterruptedSession();

    // The whole books as one journal entry: where the journal's complete record starts anew, as
    // after a restore.
    void JournalBooks();

    // The books made anew from the books the machines started sharing and every machine's
    // entries, this one's included: the running todo runs on while the books still hold it,
    // the undo steps stay (they name items by id), the clock goes on from its last update and
    // the window shows the new books. The entries refused are given.
    std::vector<std::string> FoldBooks(const std::string& startingBooks,
                                       std::vector<JournalEntry> entries);

    // Whether any todo shows time, the question asked before quitting.
    bool AnyTodoOpen() const;

    // Reads every setting, creating missing keys with their defaults: at construction and
    // after a restore has replaced the configuration.
    void LoadSettings();
    // How many times the books were loaded: items of an earlier load are gone.
    uint64_t LoadCount() const { return loads; }

private:
    // Items loaded without a well-formed id, or with one an earlier item holds, get a new one,
    // and the file is marked changed so that the next save writes them.
    void GiveIdsToAll();
    // At the start: the entries the journal took after the last save (a run that ended
    // between the two writes) are applied to the books loaded, so that they show what the
    // journal says.
    void CatchUpWithJournal();
    // The two halves of bringing the clock up to date: the accounts, then the display.
    void BookTime();
    void RefreshStatus();
    ClockReading ReadClocks() const;
    // The desktop's idle seconds, asked only where they matter.
    std::optional<int64_t> IdleSeconds(int64_t thresholdSeconds) const;
    std::optional<AwayGap> WithLiveTodo(std::optional<AwayGap> away) const;
    // The journal's waiting entries, then the settings and projects written to the file; the
    // outcome is kept in lastSave.
    bool WriteFile();
    // The projects into the store: in full, or after a clock update with nothing else unsaved,
    // only the times it booked.
    void SaveProjects(toolbox::ConfigSection& root);
    // Until the user has had the files read again or set them aside.
    void AskAboutUnreadFiles(Prompts& prompts);

    const UtcClock& clock;
    bool shutdownSkipped = false;
    bool ended = false;
    // Booked or changed since the last save.
    bool unsavedChanges = false;
    // The store's projects section was written from the projects at least once.
    bool projectsWritten = false;
    // Set by a clock update that found nothing unsaved; the next save takes it.
    bool onlyBookingUnsaved = false;

    uint64_t loads = 0;
    Todo* activeTodo = nullptr;
    char decimalChar;
    toolbox::ArrayList<Project> projects;
    Options options;
    OvertimeAccount account;
    // Holds TimeFormat, TimeRound and the decimal character in use.
    Durations durations;
    EventLog eventLog;
    MainWindow* mainWindow = nullptr;
    toolbox::FileResult lastSave;
    SessionJournal journal;
    WorkedToday workedToday{journal.GetFile().GetPath()};
    BackupSchedule backupSchedule;
    DayCharging dayCharging{options, journal,
                            [this](const std::string& message, const std::string& detail)
                            { LogEvent(message, detail); }};
    const IdleSource* idleSource = nullptr;
    AwayWatch awayWatch;
    bool askingAboutAway = false;
    bool choosingAboutUnreadFiles = false;
    std::string calendarStatus;
    UndoHistory undoHistory;
    Ledger ledger{*this};
    Sharing sharing{*this};
    // The shared folder's problem was told; it is told again once it was back.
    bool sharingProblemTold = false;
};
