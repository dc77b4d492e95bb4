#include "app/sharing/Sharing.h"

#include "app/Tallydene.h"
#include "app/backups/BackupSchedule.h"
#include "app/clock/LocalDates.h"
#include "app/journal/BooksText.h"
#include "app/journal/HybridClock.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/DailyBackups.h"
#include "toolbox/Logger.h"
#include "toolbox/Path.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace
{

constexpr const char* kFolderKey = "Folder";
constexpr const char* kFromEntryKey = "FromEntry";

// What this machine owned before it joined, by name, for a merge.
struct OwnProject
{
    ItemContent content;
    std::vector<ItemContent> todos;
};

} // namespace

std::string Sharing::SettingsPath() const
{
    return toolbox::Path::CreateApplicationLikePath(app.GetDataFolder(), "share")
        .ToString(false)
        .str();
}

Sharing::Kept Sharing::ReadKept() const
{
    Kept kept;
    std::ifstream file(SettingsPath(), std::ios::binary);
    std::string line;
    while (std::getline(file, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string key = line.substr(0, tab);
        if (key == kFolderKey)
            kept.folder = line.substr(tab + 1);
        else if (key == kFromEntryKey)
            kept.firstSequence = std::strtoll(line.c_str() + tab + 1, nullptr, 10);
    }
    return kept;
}

std::string Sharing::Folder() const
{
    return ReadKept().folder;
}

void Sharing::Keep(const std::string& sharedFolder, int64_t firstSequence) const
{
    std::ofstream file(SettingsPath(), std::ios::binary | std::ios::trunc);
    if (!sharedFolder.empty())
        file << kFolderKey << '\t' << sharedFolder << "\r\n"
             << kFromEntryKey << '\t' << firstSequence << "\r\n";
    if (!file.flush())
        toolbox::Logger::Report("Sharing", __LINE__, toolbox::Logger::kLevelWarn,
                                "Cannot keep the shared folder in " + SettingsPath());
}

bool Sharing::HoldsBooks(const std::string& sharedFolder)
{
    return SharedFolder(sharedFolder, {}).ReadStartingBooks().has_value();
}

void Sharing::Open(const std::string& sharedFolder, std::string startingBooks,
                   int64_t firstSequence)
{
    folder = std::make_unique<SharedFolder>(sharedFolder, app.GetJournal().Device());
    caughtUpTo = -1;
    books = std::make_unique<SharedBooks>(app, std::move(startingBooks), firstSequence);
}

void Sharing::Start()
{
    const auto [sharedFolder, firstSequence] = ReadKept();
    if (sharedFolder.empty() || !firstSequence)
        return;
    const std::optional<std::string> starting =
        SharedFolder(sharedFolder, {}).ReadStartingBooks();
    if (!starting)
    {
        // Out of reach for now: the books go on here and catch up when it is back.
        problem = toolbox::FileResult::Failure("cannot read", sharedFolder, ENOENT);
        Open(sharedFolder, {}, *firstSequence);
        return;
    }
    Open(sharedFolder, *starting, *firstSequence);
    books->Fold();
    Exchange();
}

toolbox::FileResult Sharing::Begin(const std::string& sharedFolder, Joining joining)
{
    End();
    app.GetLedger().BookClock();
    SessionJournal& journal = app.GetJournal();
    SharedFolder shared(sharedFolder, journal.Device());
    std::optional<std::string> starting = shared.ReadStartingBooks();
    const bool joins = starting.has_value();
    std::vector<OwnProject> own;
    if (!joins)
    {
        starting = BooksText::Of(app);
        if (toolbox::FileResult written = shared.WriteStartingBooks(*starting); !written)
            return written;
        // Another machine may have written them meanwhile.
        starting = shared.ReadStartingBooks().value_or(*starting);
    }
    else if (joining == Joining::Merge)
        for (const Project* project : app.GetProjects())
        {
            own.push_back({Ledger::ContentOf(*project), {}});
            for (const Todo* todo : project->GetTodos())
                own.back().todos.push_back(Ledger::ContentOf(*todo));
        }
    else
    {
        // This machine's books stay as a dated backup.
        app.SaveAndReport();
        toolbox::DailyBackups(app.DataFilePath()).Keep(BackupSchedule::LocalStamp(app.Now()));
    }
    // A session runs within one set of books: it ends here, and on the books this machine
    // started goes on in the shared ones.
    const Todo* running = app.GetActiveTodo();
    const std::string runningId = running != nullptr && !joins ? running->GetId() : "";
    app.Pause();
    const int64_t firstSequence = journal.LastSequence();
    Keep(sharedFolder, firstSequence);
    Open(sharedFolder, *starting, firstSequence);
    problem.reset();
    books->Take(folder->ReadChanged());
    books->Fold();
    for (const OwnProject& project : own)
        MergeProject(project.content, project.todos);
    if (Todo* todo = app.GetLedger().FindTodo(runningId); todo != nullptr && !runningId.empty())
        app.Activate(*todo);
    Exchange();
    app.FinishCommand();
    return {};
}

void Sharing::MergeProject(const ItemContent& project, const std::vector<ItemContent>& todos)
{
    const Project* same = nullptr;
    for (const Project* shared : app.GetProjects())
        if (shared->GetName() == project.name)
            same = shared;
    std::vector<Change> changes;
    if (same == nullptr)
        changes.push_back(Change::NewProject(project));
    const std::string projectId = same != nullptr ? same->GetId() : project.id;
    for (const ItemContent& todo : todos)
    {
        const Todo* sameTodo = nullptr;
        if (same != nullptr)
            for (const Todo* shared : same->GetTodos())
                if (shared->GetName() == todo.name)
                    sameTodo = shared;
        if (sameTodo == nullptr)
            changes.push_back(Change::NewTodo(projectId, todo));
        else if (todo.time != 0)
            changes.push_back(
                Change::Time(JournalKind::add, sameTodo->GetId(), {}, todo.time, 0, 0));
    }
    // The project's total takes this machine's total on top, after its todos came in.
    if (same != nullptr && project.time != 0)
        changes.push_back(Change::Time(JournalKind::add, {}, projectId, 0, project.time, 0));
    app.GetLedger().Apply(std::move(changes));
}

void Sharing::End()
{
    if (!IsOn())
        return;
    Exchange();
    Keep({}, 0);
    books.reset();
    folder.reset();
    problem.reset();
}

bool Sharing::Exchange()
{
    if (!IsOn())
        return false;
    // This machine's journal is read only when it took entries since the last catching up.
    const int64_t last = app.GetJournal().LastSequence();
    if (last != caughtUpTo || problem || folder->OwnJournalReplaced())
    {
        if (toolbox::FileResult written = folder->CatchUp(books->OwnEntries()); !written)
        {
            problem = written;
            return false;
        }
        caughtUpTo = last;
    }
    if (books->StartingBooks().empty())
    {
        // The folder was out of reach at the start.
        const std::optional<std::string> starting = folder->ReadStartingBooks();
        if (!starting)
            return false;
        books = std::make_unique<SharedBooks>(app, *starting, books->FirstSequence());
        books->Fold();
    }
    const std::vector<JournalEntry> entries = folder->ReadChanged();
    problem = folder->Problem();
    if (!books->Take(entries))
        return false;
    lastMerged = app.Now();
    FollowStartsElsewhere();
    // The session that ended here reaches the others now, not a tick later.
    if (endedHere && folder->CatchUp(books->OwnEntries()))
        caughtUpTo = app.GetJournal().LastSequence();
    return true;
}

void Sharing::FollowStartsElsewhere()
{
    const std::optional<JournalEntry> start = books->LatestStartElsewhere();
    if (!start)
        return;
    const std::optional<JournalEntry>& mine = app.GetJournal().GetRunningSession();
    const auto stampOf = [](const JournalEntry& entry)
    { return HybridClock::Stamp::Parse(entry.stamp).value_or(HybridClock::Stamp{}); };
    endedHere = app.GetActiveTodo() != nullptr && mine && stampOf(*mine) < stampOf(*start);
    if (endedHere)
        app.EndForStartElsewhere(start->start);
    runningElsewhere.reset();
    if (books->StillRuns(*start))
        runningElsewhere = start;
}

std::string Sharing::RunningElsewhereText() const
{
    if (!runningElsewhere || app.GetActiveTodo() != nullptr)
        return {};
    const std::string machine = runningElsewhere->value.empty()
                                    ? runningElsewhere->device.substr(0, 8)
                                    : runningElsewhere->value;
    const std::string since = LocalDates::Text(runningElsewhere->start, "%H:%M");
    return toolbox::Translation::TrFormat("%s runs on %s since %s",
                                          {runningElsewhere->todo, machine, since});
}

std::string Sharing::StatusText() const
{
    if (!IsOn())
        return {};
    if (std::string elsewhere = RunningElsewhereText(); !elsewhere.empty())
        return elsewhere;
    if (books->LastMergedDevice().empty())
        return {};
    const std::string device = books->LastMergedDevice().substr(0, 8);
    const std::string time = LocalDates::Text(SessionJournal::UnixTimeOf(lastMerged), "%H:%M");
    return toolbox::Translation::TrFormat("Merged from %s at %s", {device, time});
}

std::vector<JournalEntry> Sharing::WithOtherMachines(std::vector<JournalEntry> own,
                                                    int64_t now) const
{
    if (!IsOn())
        return own;
    for (const JournalEntry& entry : books->Others())
        if (entry.kind != JournalKind::progress && entry.kind != JournalKind::books &&
            entry.IsPlausible(now))
            own.push_back(entry);
    // Entries written before entries had stamps keep their place before all others.
    const auto stampOf = [](const JournalEntry& entry)
    { return HybridClock::Stamp::Parse(entry.stamp).value_or(HybridClock::Stamp{}); };
    std::stable_sort(own.begin(), own.end(), [&](const JournalEntry& a, const JournalEntry& b)
                     { return stampOf(a) < stampOf(b); });
    return own;
}
