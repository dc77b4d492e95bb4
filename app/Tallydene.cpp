#include "app/Tallydene.h"

#include "app/DataFileMessages.h"
#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/backups/BackupRestore.h"
#include "app/clock/ClockValue.h"
#include "app/clock/IdleSource.h"
#include "app/clock/UtcClock.h"
#include "app/journal/BooksText.h"
#include "app/journal/DeviceId.h"
#include "app/journal/JournalReplay.h"
#include "model/ItemId.h"
#include "model/SaturatedDuration.h"
#include "model/Todo.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Logger.h"
#include "toolbox/Path.h"
#include "toolbox/Places.h"
#include "toolbox/Translation.h"

#include <cstdlib>
#include <string_view>
#include <unordered_set>

namespace
{

// Whether two todos of the project have names that differ only in letter case.
bool HasTodoNamesAlike(const toolbox::ConfigSection& list, const Project& project)
{
    const toolbox::ConfigSection* own = list.Sections().Get(project.GetName().c_str());
    const toolbox::ConfigSection* todos = own->Sections().Get("Todos");
    return todos != nullptr && toolbox::ConfigSection::HasNamesAlike(todos->SectionNames());
}

} // namespace

Tallydene::Tallydene(const UtcClock& clock, char decimalChar)
    : TriExtApp(kApplicationName, {"Projects"}), clock(clock), decimalChar(decimalChar),
      eventLog(GetDataFolder()), journal(SessionJournal::FileIn(GetDataFolder()))
{
    journal.SetMachineName(toolbox::Places::MachineName());
    journal.WriteAs(DeviceId::ReadOrMake(
        toolbox::Path::CreateApplicationLikePath(GetDataFolder(), "device").ToString(false).str(),
        toolbox::Places::MachineId()));
    durations.SetDecimalChar(decimalChar);
    LoadSettings();
    CatchUpWithJournal();
    if (!GetLoadReport().loaded.empty())
        backupSchedule.SetSavedMoment(account.GetLastTimeUpdated());
}

Tallydene::~Tallydene()
{
    End(nullptr);
}

bool Tallydene::End(Prompts* prompts)
{
    // The windows are gone by now; the last update touches no status line or tooltip.
    mainWindow = nullptr;
    if (ended || shutdownSkipped)
        return true;
    ended = true;
    BookTime();
    // Unanswered, the away time is not booked.
    if (const std::optional<AwayGap> away = awayWatch.TakePending())
        LogEvent("Discarded away time", std::to_string(away->seconds));
    journal.EndSession(account.GetLastTimeUpdated(), "quit");
    LogEvent("Tallydene ended");
    const bool saved = SaveAtEnd(prompts);
    // Saved, or the user chose to quit without saving: either way the file stays as it is.
    Abandon();
    return saved;
}

void Tallydene::LoadSettings()
{
    toolbox::ConfigSection& root = *GetRootSection();
    durations.SetDecimalChar(decimalChar);
    options.Load(root, durations);
    account.Load(root, Now());

    activeTodo = nullptr;
    ++loads;
    projects.Clear();
    undoHistory.Clear();
    for (toolbox::ConfigSection* section : root.GetSection("Projects").Sections().Values())
    {
        auto project = std::make_unique<Project>();
        project->Load(*section);
        projects.Append(std::move(project));
        // Read, the project's section goes back to its text until a save needs it: the next
        // project's is read into the same memory.
        section->Fold();
    }
    GiveIdsToAll();
}

void Tallydene::GiveIdsToAll()
{
    // Views of the items' own ids, which stay put while this runs: no copy of 110,000 ids.
    std::unordered_set<std::string_view> taken;
    size_t items = 0;
    for (const Project* project : projects)
        items += 1 + static_cast<size_t>(project->GetTodos().Count());
    taken.reserve(items);
    const auto give = [&](TreeItem& item)
    {
        if (!taken.insert(item.GetId()).second)
        {
            // A hand-copied section: the later item is a different one.
            toolbox::Logger::Report("Tallydene", __LINE__, toolbox::Logger::kLevelWarn,
                                    "Id " + item.GetId() + " of \"" + item.GetName() +
                                        "\" was taken by an earlier item; a new one is given");
            do
                item.SetId(ItemId::Make());
            while (!taken.insert(item.GetId()).second);
        }
        else if (item.HasStoredId())
            return;
        unsavedChanges = true;
    };
    for (Project* project : projects)
    {
        give(*project);
        for (Todo* todo : project->GetTodos())
            give(*todo);
    }
}

void Tallydene::SaveSettings()
{
    toolbox::ConfigSection& root = *GetRootSection();
    options.Save(root, durations);
    account.Save(root);

    SaveProjects(root);
}

void Tallydene::SaveProjects(toolbox::ConfigSection& root)
{
    const bool booking = onlyBookingUnsaved;
    // Taken once: a command run while this save's message is shown saves in full.
    onlyBookingUnsaved = false;
    if (booking)
    {
        if (activeTodo != nullptr)
            activeTodo->GetProject()->SaveBookedTime(root.GetSection("Projects"), *activeTodo);
        return;
    }
    // Brought up to date in place: only projects changed since the last save are written into
    // the store, so the others keep their written text, and deleted and renamed items leave
    // nothing behind.
    toolbox::ConfigSection& list = root.GetSection("Projects");
    bool namesAlike = false;
    for (Project* project : projects)
    {
        if (project->ChangedSinceSave())
        {
            project->Save(list);
            namesAlike = namesAlike || HasTodoNamesAlike(list, *project);
            // A section the save left as it was (after a load, each project counts as changed)
            // goes back to its text at once, so that the next is read into the same memory.
            list.GetSection(project->GetName().c_str()).Fold();
        }
    }
    const int distinct = TreeItem::KeepOnlyItems(list, projects);
    // Names that differ only in letter case are written in the order of their making, and two
    // projects of one name share a section: in either case the list is written afresh, which
    // gives that order and merges what they hold. The projects are then marked as changed, so
    // that the next save writes each again: a section may hold more than one of them.
    if (namesAlike || distinct < projects.Count() ||
        toolbox::ConfigSection::HasNamesAlike(list.SectionNames()))
    {
        root.RemoveSection("Projects");
        toolbox::ConfigSection& fresh = root.GetSection("Projects");
        for (Project* project : projects)
        {
            project->Save(fresh);
            project->MarkChanged();
        }
    }
    else
    {
        for (Project* project : projects)
            project->SavedAsItIs();
    }
    projectsWritten = true;
}

TreeControl* Tallydene::GetMainTree() const
{
    return mainWindow != nullptr ? &mainWindow->GetTree() : nullptr;
}

std::string Tallydene::FormatDuration(int32_t seconds, int width) const
{
    return durations.FormatDuration(seconds, width, false);
}

bool Tallydene::ShowsTime(int32_t seconds) const
{
    return durations.ShowsTime(seconds);
}

int32_t Tallydene::Now() const
{
    return ClockValueOf(clock.NowUtc());
}

void Tallydene::UpdateTime()
{
    // Nothing unsaved yet: the clock's booking is all this save has to bring into the store.
    onlyBookingUnsaved = projectsWritten && !unsavedChanges;
    BringUpToDate();
    ledger.ShowWaiting();
    FinishCommand();
    onlyBookingUnsaved = false;
    ExchangeWithOtherMachines();
}

void Tallydene::ExchangeWithOtherMachines()
{
    // Never under an open dialog, whose form holds on to items that a new fold replaces.
    if (!sharing.IsOn() || ledger.IsCommandOpen() || askingAboutAway)
        return;
    const bool changed = sharing.Exchange();
    if (changed)
        FinishCommand();
    const auto& problem = sharing.Problem();
    const bool told = sharingProblemTold;
    sharingProblemTold = problem.has_value();
    if (problem && !told && mainWindow != nullptr)
        mainWindow->GetPrompts().Inform(toolbox::Translation::TrFormat(
            "Tallydene cannot reach the shared folder:\n%s\n\nYour books go on on this machine "
            "and catch up when the folder is back.",
            {problem->Reason()}));
    if (!changed && told == sharingProblemTold)
        return;
    if (activeTodo == nullptr && mainWindow != nullptr)
    {
        const std::string elsewhere = sharing.RunningElsewhereText();
        mainWindow->SetDocumentTitle(elsewhere.empty() ? toolbox::Translation::Tr("Paused")
                                                       : elsewhere);
    }
    RefreshStatus();
}

void Tallydene::BringUpToDate()
{
    BookTime();
    RefreshStatus();
}

void Tallydene::BookTime()
{
    // An update that comes while a question is shown waits for its answer.
    if (dayCharging.IsAsking() || choosingAboutUnreadFiles)
        return;
    const ClockReading now = ReadClocks();
    const int32_t moment = now.wall;
    Prompts* prompts = mainWindow != nullptr ? &mainWindow->GetPrompts() : nullptr;
    const bool overtime = options.IsWorkingTimeEnabled();
    if (activeTodo != nullptr)
    {
        const int64_t threshold = int64_t{60} * options.GetAwayThresholdMinutes();
        ledger.Book(*activeTodo,
                    awayWatch.Running(now, *activeTodo, threshold, IdleSeconds(threshold)), {});
    }
    else
        awayWatch.Paused(now);
    // The calendar follows the wall clock, which may have been put back. The charging works on
    // a copy of the account; the ledger applies what it did.
    OvertimeAccount charging = account;
    if (moment >= charging.GetLastTimeUpdated() ||
        dayCharging.AcceptClockBehind(charging, prompts, moment))
    {
        if (overtime)
            dayCharging.ChargeDays(charging, prompts, moment);
        else
            charging.SkipDaysUntil(DayCharging::DayOf(options, moment));
        charging.SetLastTimeUpdated(moment);
    }
    ledger.Charge(charging);
    unsavedChanges = true;
}

void Tallydene::CatchUpWithJournal()
{
    const toolbox::ConfigParameter* included =
        GetRootSection()
            ->GetSection(settings::kJournalEntry.section)
            .Parameters()
            .Get(settings::kJournalEntry.key);
    if (included == nullptr)
        return;
    // Only a number the program wrote counts; anything else is left alone.
    const std::string text = included->GetKind() == toolbox::ConfigParameter::Kind::Int
                                 ? std::to_string(included->AsInt())
                                 : included->AsString();
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return;
    const int64_t sequence = std::strtoll(text.c_str(), nullptr, 10);
    if (sequence >= journal.LastSequence())
        return;
    // A run ended after the journal took entries and before the file took them.
    const std::vector<std::string> refused =
        JournalReplay::After(*this, journal.GetFile().ReadComplete(), journal.Device(), sequence);
    for (const std::string& line : refused)
        toolbox::Logger::Report("Tallydene", __LINE__, toolbox::Logger::kLevelWarn,
                                "A journal entry after the data file's last could not be "
                                "replayed: " +
                                    line);
    unsavedChanges = true;
}

void Tallydene::JournalBooks()
{
    JournalEntry entry;
    entry.kind = JournalKind::books;
    entry.note = BooksText::Of(*this);
    journal.Record(std::move(entry), Now());
}

std::vector<std::string> Tallydene::FoldBooks(const std::string& startingBooks,
                                              std::vector<JournalEntry> entries)
{
    const std::string running = activeTodo != nullptr ? activeTodo->GetId() : std::string();
    const std::optional<AwayGap> away = GetAwayTime();
    const std::string awayTodo = away && away->todo != nullptr ? away->todo->GetId() : "";
    const int32_t lastUpdate = account.GetLastTimeUpdated();
    UndoHistory steps = std::move(undoHistory);
    std::vector<std::string> refused =
        JournalReplay::Fold(*this, startingBooks, std::move(entries));
    undoHistory = std::move(steps);
    account.SetLastTimeUpdated(lastUpdate);
    activeTodo = running.empty() ? nullptr : ledger.FindTodo(running);
    // Away time waiting for the user's answer stays with its todo, never with one that merely
    // took its place in memory.
    awayWatch.RetargetPending(awayTodo.empty() ? nullptr : ledger.FindTodo(awayTodo));
    if (!running.empty() && activeTodo == nullptr)
        // Deleted on another machine: its session ends here, with what it booked.
        journal.EndSession(lastUpdate, "paused");
    unsavedChanges = true;
    if (mainWindow != nullptr)
    {
        mainWindow->SetDocumentTitle(activeTodo != nullptr ? activeTodo->GetName()
                                                           : toolbox::Translation::Tr("Paused"));
        mainWindow->SetActiveLook(activeTodo != nullptr);
        mainWindow->RebuildTree();
        mainWindow->UpdateMenu();
    }
    RefreshStatus();
    return refused;
}

ClockReading Tallydene::ReadClocks() const
{
    return {Now(), clock.MonotonicSeconds(), clock.BootSeconds()};
}

std::optional<int64_t> Tallydene::IdleSeconds(int64_t thresholdSeconds) const
{
    if (idleSource == nullptr || thresholdSeconds <= 0)
        return std::nullopt;
    return idleSource->IdleSeconds();
}

std::optional<AwayGap> Tallydene::WithLiveTodo(std::optional<AwayGap> away) const
{
    if (!away)
        return away;
    // Only compared, never followed: the todo may be gone.
    for (const Project* project : projects)
        for (const Todo* todo : project->GetTodos())
            if (todo == away->todo)
                return away;
    away->todo = nullptr;
    return away;
}

void Tallydene::RefreshStatus()
{
    if (mainWindow == nullptr)
        return;
    mainWindow->SetStatusText(StatusText());
    if (mainWindow->IsTrayIconShown() && options.IsTrayIconEnabled())
        mainWindow->UpdateTrayIcon();
}

void Tallydene::FinishCommand()
{
    if (choosingAboutUnreadFiles)
        return;
    // A command may have changed any project, marked or not: the projects are written in full.
    if (!onlyBookingUnsaved)
        projectsWritten = false;
    // A save that failed is tried again whatever the option says: the user was told the data
    // is not saved until one succeeds.
    if (unsavedChanges && (options.IsAutoSaveEnabled() || IsSaveFailing()))
        SaveAndReport();
}

bool Tallydene::SaveAndReport()
{
    const bool wasFailing = IsSaveFailing();
    if (WriteFile())
        unsavedChanges = false;
    if (wasFailing != IsSaveFailing())
        RefreshStatus();
    if (!wasFailing && IsSaveFailing() && mainWindow != nullptr)
        mainWindow->GetPrompts().Refuse(DataFileMessages::SaveFailed(lastSave));
    return !IsSaveFailing();
}

bool Tallydene::SaveAtEnd(Prompts* prompts)
{
    for (;;)
    {
        if (WriteFile())
            return true;
        if (prompts == nullptr || !prompts->Ask(DataFileMessages::SaveFailedAtEnd(lastSave),
                                                Prompts::QuestionIcon::Warning))
            return false;
    }
}

bool Tallydene::WriteFile()
{
    SaveSettings();
    // The journal first: the books on the disk never hold what the journal does not, and a
    // run that is killed finds the running session's part of them in its progress.
    if (activeTodo != nullptr)
        journal.RecordProgress(account.GetLastTimeUpdated());
    lastSave = journal.WriteWaiting();
    if (IsSaveFailing())
        return false;
    // The file holds every entry the journal has; a start replays the entries after this one.
    GetRootSection()
        ->GetSection(settings::kJournalEntry.section)
        .GetParameter(settings::kJournalEntry.key)
        .SetString(std::to_string(journal.LastSequence()).c_str());
    if (backupSchedule.IsDue(Now()))
        backupSchedule.Keep(DataFilePath(), GetConfig().GetFileSystem());
    lastSave = Save();
    if (!IsSaveFailing())
        backupSchedule.Saved(Now());
    return !IsSaveFailing();
}

std::string Tallydene::DataFilePath() const
{
    return toolbox::Path::CreateApplicationLikePath(FindConfigurationDirectory(), "cfg")
        .ToString(false)
        .c_str();
}

void Tallydene::ReportDataFileProblems()
{
    if (mainWindow == nullptr)
        return;
    if (const auto& wanted = GetUnmadeDataFolder())
        mainWindow->GetPrompts().Inform(DataFileMessages::DataFolderUnmade(
            *wanted, FindConfigurationDirectory().ToString(false).c_str()));
    AskAboutUnreadFiles(mainWindow->GetPrompts());
    const std::string problems = DataFileMessages::LoadProblems(
        GetLoadReport(), BackupRestore::OfferedAtStart(*this).has_value());
    if (!problems.empty())
        mainWindow->GetPrompts().Refuse(problems);
    BackupRestore::OfferAtStart(*this, mainWindow->GetPrompts());
}

void Tallydene::AskAboutUnreadFiles(Prompts& prompts)
{
    // Nothing is booked or saved while the user decides: the data may yet come from the file.
    choosingAboutUnreadFiles = true;
    while (!GetLoadReport().unread.empty())
    {
        if (!prompts.Ask(DataFileMessages::CannotRead(GetLoadReport()),
                         Prompts::QuestionIcon::Warning))
        {
            if (const toolbox::FileResult kept = KeepUnreadAside(); !kept)
                prompts.Refuse(DataFileMessages::CannotKeepAside(kept));
            break;
        }
        Load();
        LoadSettings();
        if (!GetLoadReport().loaded.empty())
            backupSchedule.SetSavedMoment(account.GetLastTimeUpdated());
        if (mainWindow != nullptr)
        {
            mainWindow->RebuildTree();
            mainWindow->UpdateMenu();
        }
    }
    choosingAboutUnreadFiles = false;
}

void Tallydene::Activate(Todo& todo)
{
    if (activeTodo == &todo)
        return;
    BringUpToDate();
    if (Todo* previous = activeTodo)
    {
        activeTodo = nullptr;
        ledger.Show(*previous);
    }
    activeTodo = &todo;
    journal.BeginSession(account.GetLastTimeUpdated(), todo);
    if (mainWindow != nullptr)
        mainWindow->SetDocumentTitle(todo.GetName());
    ledger.Show(todo);
    if (mainWindow != nullptr)
        mainWindow->SetActiveLook(true);
}

void Tallydene::Pause()
{
    if (activeTodo == nullptr)
        return;
    BringUpToDate();
    Todo& previous = *activeTodo;
    activeTodo = nullptr;
    journal.EndSession(account.GetLastTimeUpdated(), "paused");
    if (mainWindow != nullptr)
        mainWindow->SetDocumentTitle(toolbox::Translation::Tr("Paused"));
    ledger.Show(previous);
    if (mainWindow != nullptr)
        mainWindow->SetActiveLook(false);
}

void Tallydene::EndForStartElsewhere(int64_t startedAt)
{
    if (activeTodo == nullptr)
        return;
    BringUpToDate();
    Todo& previous = *activeTodo;
    // What ran here after the start elsewhere was counted there.
    const int64_t since = SessionJournal::UnixTimeOf(account.GetLastTimeUpdated()) - startedAt;
    const std::optional<JournalEntry>& session = journal.GetRunningSession();
    const int64_t overlap = std::min(since, session ? session->todoSeconds : 0);
    if (overlap > 0)
        ledger.Book(previous, -overlap, {});
    activeTodo = nullptr;
    journal.EndSession(account.GetLastTimeUpdated() - static_cast<int32_t>(std::max<int64_t>(since, 0)),
                       "switched");
    if (mainWindow != nullptr)
        mainWindow->SetActiveLook(false);
    ledger.Show(previous);
}

std::string Tallydene::StatusText() const
{
    int64_t todosTotal = 0;
    int64_t projectsTotal = 0;
    for (const Project* project : projects)
    {
        todosTotal += project->SumOfTodoTimes();
        projectsTotal += project->GetTotalTime();
    }
    using toolbox::Translation;
    std::string text = Translation::TrFormat("Open todos: %s      Projects: %s",
                                             {FormatDuration(SaturatedDuration(todosTotal), 0),
                                              FormatDuration(SaturatedDuration(projectsTotal), 0)});
    if (options.IsWorkingTimeEnabled())
        text += Translation::TrFormat("      Working time: %s",
                                      {FormatDuration(account.GetBalance(), 0)});
    if (sharing.Problem())
        text += "      " + Translation::Tr("Shared folder out of reach");
    else if (const std::string merged = sharing.StatusText(); !merged.empty())
        text += "      " + merged;
    if (!calendarStatus.empty())
        text += "      " + calendarStatus;
    if (IsSaveFailing())
        return Translation::Tr(DataFileMessages::kNotSavedStatus) + text;
    return text;
}

std::string Tallydene::TodayText()
{
    const int64_t seconds =
        workedToday.At(SessionJournal::UnixTimeOf(Now()), journal.GetRunningSession());
    return toolbox::Translation::TrFormat("Today: %s",
                                          {FormatDuration(SaturatedDuration(seconds), 0)});
}

void Tallydene::LogEvent(const std::string& message)
{
    undoHistory.Logged(message, nullptr);
    if (options.IsLoggingEnabled())
        eventLog.Write(clock.NowUtc(), message);
}

void Tallydene::LogEvent(const std::string& message, const std::string& detail)
{
    undoHistory.Logged(message, &detail);
    if (options.IsLoggingEnabled())
        eventLog.Write(clock.NowUtc(), message, detail);
}

void Tallydene::CloseInterruptedSession()
{
    journal.CloseInterrupted(account.GetLastTimeUpdated(), options.IsWorkingTimeEnabled());
    // A journal from before every change was journalled, or none beside books kept without one,
    // starts its complete record with the books as they are; a first start's books are empty.
    if (!journal.ContinuesCompleteRecord() && !IsFirstRun())
        JournalBooks();
    sharing.Start();
}

bool Tallydene::AnyTodoOpen() const
{
    for (const Project* project : projects)
        if (project->AnyTodoHasVisibleTime(*this))
            return true;
    return false;
}
