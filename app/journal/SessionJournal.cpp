#include "app/journal/SessionJournal.h"

#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Path.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{

// The clock's day 0, 31 December 1989, in seconds since 1970.
constexpr int64_t kClockStartInUnixTime = 631065600;

// The open entry of a session that has none ending it, with the names it has now. Only the
// last open entry can be one: a new session ends the one before.
std::optional<JournalEntry> LastUnendedSession(const std::vector<JournalEntry>& entries)
{
    std::optional<JournalEntry> open;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::open)
            open = entry;
        else if (!open)
            continue;
        else if (entry.kind == JournalKind::session && entry.start == open->start)
            open.reset();
        else if (entry.kind == JournalKind::rename && entry.project == open->project &&
                 (entry.todo.empty() || entry.todo == open->todo))
            (entry.todo.empty() ? open->project : open->todo) = entry.note;
        else if (entry.kind == JournalKind::move && entry.project == open->project &&
                 entry.todo == open->todo)
            open->project = entry.note;
    }
    return open;
}

// The amounts of the session's last progress entry at the moment saved; nothing without one.
// The first is true when the session has progress entries at all.
std::pair<bool, std::optional<JournalEntry>> ProgressAt(const std::vector<JournalEntry>& entries,
                                                        int64_t start, int64_t saved)
{
    bool any = false;
    std::optional<JournalEntry> found;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind != JournalKind::progress || entry.start != start)
            continue;
        any = true;
        if (entry.end == saved)
            found = entry;
    }
    return {any, found};
}

} // namespace

std::string SessionJournal::FileIn(const toolbox::Path& dataFolder)
{
    return toolbox::Path::CreateApplicationLikePath(dataFolder, "journal").ToString(false).str();
}

int64_t SessionJournal::UnixTimeOf(int32_t clockValue)
{
    return kClockStartInUnixTime + clockValue;
}

void SessionJournal::BeginSession(int32_t moment, const Todo& todo)
{
    EndSession(moment, "switched");
    JournalEntry names;
    names.project = todo.GetProject()->GetName();
    names.todo = todo.GetName();
    names.todoId = todo.GetId();
    names.projectId = todo.GetProject()->GetId();
    Open(moment, names);
}

void SessionJournal::Open(int32_t moment, const JournalEntry& names)
{
    JournalEntry entry;
    entry.kind = JournalKind::open;
    entry.start = entry.end = UnixTimeOf(moment);
    entry.project = names.project;
    entry.todo = names.todo;
    entry.todoId = names.todoId;
    entry.projectId = names.projectId;
    // The machine it runs on, for the other machines that share the books.
    entry.value = machine;
    entry.stamp = Append(entry);
    running = std::move(entry);
}

void SessionJournal::Book(int64_t todoSeconds, int64_t projectSeconds, int64_t balanceSeconds)
{
    if (!running)
        return;
    running->todoSeconds += todoSeconds;
    running->projectSeconds += projectSeconds;
    running->balanceSeconds += balanceSeconds;
}

void SessionJournal::EndSession(int32_t moment, const char* how)
{
    if (!running)
        return;
    JournalEntry entry = std::move(*running);
    running.reset();
    progress.reset();
    entry.kind = JournalKind::session;
    entry.end = std::max(entry.start, UnixTimeOf(moment));
    entry.note = how;
    Append(std::move(entry));
}

void SessionJournal::RecordProgress(int32_t savedUpdate)
{
    if (!running)
        return;
    JournalEntry entry = *running;
    entry.kind = JournalKind::progress;
    entry.end = UnixTimeOf(savedUpdate);
    if (progress && progress->end == entry.end && progress->todoSeconds == entry.todoSeconds &&
        progress->projectSeconds == entry.projectSeconds &&
        progress->balanceSeconds == entry.balanceSeconds)
        return;
    progress = entry;
    // While the file takes nothing, the books are not saved either: only the newest waits.
    if (!waiting.empty() && waiting.back().kind == JournalKind::progress &&
        waiting.back().start == entry.start)
        waiting.pop_back();
    Append(std::move(entry));
}

void SessionJournal::CloseInterrupted(int32_t lastSavedUpdate, bool balanceBooked)
{
    const std::vector<JournalEntry> entries = file.ReadFromLast(JournalKind::open);
    std::optional<JournalEntry> open = LastUnendedSession(entries);
    if (!open)
        return;
    const int64_t saved = UnixTimeOf(lastSavedUpdate);
    open->kind = JournalKind::session;
    open->end = std::max(open->start, saved);
    open->note = "interrupted";
    const auto [hasProgress, savedProgress] = ProgressAt(entries, open->start, saved);
    if (savedProgress)
    {
        open->todoSeconds = savedProgress->todoSeconds;
        open->projectSeconds = savedProgress->projectSeconds;
        open->balanceSeconds = savedProgress->balanceSeconds;
    }
    else if (!hasProgress)
    {
        open->todoSeconds = open->projectSeconds = open->end - open->start;
        open->balanceSeconds = balanceBooked ? open->todoSeconds : 0;
    }
    // With progress but none at the saved update, no save of the session reached the books:
    // it booked nothing there.
    else
        open->end = open->start;
    Append(std::move(*open));
}

void SessionJournal::Record(JournalEntry entry, int32_t moment)
{
    // The running session ends under the names its todo has then, as the history shows it.
    if (running && entry.kind == JournalKind::rename && entry.project == running->project &&
        (entry.todo.empty() || entry.todo == running->todo))
        (entry.todo.empty() ? running->project : running->todo) = entry.note;
    else if (running && entry.kind == JournalKind::move && entry.project == running->project &&
             entry.todo == running->todo)
        running->project = entry.note;
    entry.start = entry.end = UnixTimeOf(moment);
    Append(std::move(entry));
}

void SessionJournal::WriteAs(std::string deviceId)
{
    device = std::move(deviceId);
    if (const std::optional<JournalEntry> last = file.ReadLast())
    {
        continuesComplete = !last->device.empty();
        if (last->device == device)
            sequence = last->sequence;
        if (const auto stamp = HybridClock::Stamp::Parse(last->stamp))
            stamps.Observe(*stamp);
    }
}

std::string SessionJournal::Append(JournalEntry entry)
{
    if (!device.empty())
    {
        entry.device = device;
        entry.sequence = ++sequence;
        // The program's clock counts whole seconds.
        entry.stamp = stamps.Next(entry.end * 1000).Text();
    }
    std::string stamp = entry.stamp;
    waiting.push_back(std::move(entry));
    WriteWaiting();
    return stamp;
}

toolbox::FileResult SessionJournal::WriteWaiting()
{
    while (!waiting.empty())
    {
        toolbox::FileResult written = file.Append(waiting.front());
        if (!written)
            return written;
        waiting.pop_front();
    }
    return {};
}

void SessionJournal::SplitRunningSession(int32_t leftAt, int32_t backAt, int32_t lastUpdate,
                                         bool pausing)
{
    if (!running)
        return;
    // Up to the user's leaving the session booked at most its span; the rest was worked since
    // (and between gaps asked about together), so the session after ends at the last update
    // and is at least as long as what it took over.
    const JournalEntry session = *running;
    const int64_t before = std::max<int64_t>(UnixTimeOf(leftAt) - session.start, 0);
    const auto rest = [before](int64_t booked) { return booked - std::min(booked, before); };
    const int64_t todo = rest(session.todoSeconds);
    const int64_t project = rest(session.projectSeconds);
    const int64_t balance = rest(session.balanceSeconds);
    Book(-todo, -project, -balance);
    EndSession(leftAt, "away");
    if (pausing && todo == 0 && project == 0 && balance == 0)
        return;
    Open(static_cast<int32_t>(std::min<int64_t>(backAt, lastUpdate - todo)), session);
    Book(todo, project, balance);
}
