#include "app/SessionJournal.h"

#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Path.h"

#include <algorithm>
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
    JournalEntry entry;
    entry.kind = JournalKind::open;
    entry.start = entry.end = UnixTimeOf(moment);
    entry.project = todo.GetProject()->GetName();
    entry.todo = todo.GetName();
    file.Append(entry);
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
    entry.kind = JournalKind::session;
    entry.end = std::max(entry.start, UnixTimeOf(moment));
    entry.note = how;
    file.Append(entry);
}

void SessionJournal::CloseInterrupted(int32_t lastSavedUpdate, bool balanceBooked)
{
    std::optional<JournalEntry> open = LastUnendedSession(file.ReadFromLast(JournalKind::open));
    if (!open)
        return;
    open->kind = JournalKind::session;
    open->end = std::max(open->start, UnixTimeOf(lastSavedUpdate));
    open->todoSeconds = open->projectSeconds = open->end - open->start;
    open->balanceSeconds = balanceBooked ? open->todoSeconds : 0;
    open->note = "interrupted";
    file.Append(*open);
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
    file.Append(entry);
}
