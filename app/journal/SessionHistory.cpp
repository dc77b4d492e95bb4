#include "app/journal/SessionHistory.h"

#include "app/journal/JournalNames.h"
#include "toolbox/TextHash.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace
{

struct Found
{
    Session session;
    size_t identity;
    bool deleted = false;
};

// Where each todo's sessions are, by their start: those shown, and those deleted, which an undo
// may bring back.
using Starts = std::map<std::pair<size_t, int64_t>, size_t>;

void ApplyEdit(const JournalEntry& entry, const std::string& change, int64_t before,
               size_t identity, Starts& byStart, Starts& deleted, std::vector<Found>& found)
{
    const auto place = byStart.find({identity, before});
    if (place == byStart.end())
        return;
    const size_t index = place->second;
    Session& session = found[index].session;
    byStart.erase(place);
    if (change == JournalKind::erase)
    {
        found[index].deleted = true;
        deleted[{identity, before}] = index;
        return;
    }
    session.start = entry.start;
    session.end = entry.end;
    session.booked += entry.todoSeconds;
    byStart[{identity, session.start}] = index;
}

} // namespace

std::string SessionIdOf(const JournalEntry& entry)
{
    if (!entry.device.empty())
        return entry.device + '-' + std::to_string(entry.sequence);
    // The names the line was written with, which later renames leave as they are.
    return "at-" + std::to_string(entry.start) + '-' +
           toolbox::TextHash(entry.project + '\t' + entry.todo);
}

std::vector<Session> SessionsOf(const std::vector<JournalEntry>& entries, bool changesByHand)
{
    JournalNames identities;
    std::vector<Found> found;
    Starts byStart;
    Starts deleted;
    // A session keeps the id of its start, so that it names the same session while it runs.
    std::map<std::pair<size_t, int64_t>, std::string> opened;
    for (const JournalEntry& entry : entries)
    {
        int64_t before = 0;
        const std::string change = entry.SessionChange(before);
        if (entry.kind == JournalKind::open && !entry.device.empty())
            opened[{identities.Of(entry), entry.start}] = SessionIdOf(entry);
        else if (change == JournalKind::session && entry.kind != JournalKind::session &&
                 deleted.contains({identities.Of(entry), entry.start}))
        {
            // Undo of a deletion, or redo of an added session that undo took away: the session
            // is back, with its id.
            const size_t identity = identities.Of(entry);
            const auto back = deleted.find({identity, entry.start});
            found[back->second].deleted = false;
            byStart[back->first] = back->second;
            deleted.erase(back);
        }
        else if (change == JournalKind::session)
        {
            const size_t identity = identities.Of(entry);
            byStart[{identity, entry.start}] = found.size();
            const auto open = opened.find({identity, entry.start});
            std::string id = open != opened.end() ? open->second : SessionIdOf(entry);
            if (open != opened.end())
                opened.erase(open);
            // An undo that finds no deleted session to bring back adds one.
            const bool ended = entry.kind == JournalKind::session;
            found.push_back({{entry.start, entry.end, entry.todoSeconds, "", "",
                              ended ? entry.note : "added", JournalKind::session, false,
                              std::move(id)},
                             identity});
            found.back().session.machine = ended ? entry.value : std::string();
        }
        else if (changesByHand &&
                 (entry.kind == JournalKind::add || entry.kind == JournalKind::remove))
            found.push_back({{entry.start, entry.end,
                              entry.todo.empty() ? entry.projectSeconds : entry.todoSeconds, "", "",
                              entry.note, entry.kind},
                             identities.Of(entry)});
        else if (entry.kind == JournalKind::rename || entry.kind == JournalKind::move)
            identities.Rename(entry);
        else if (!change.empty())
            ApplyEdit(entry, change, before, identities.Of(entry), byStart, deleted, found);
    }
    std::vector<Session> sessions;
    sessions.reserve(found.size());
    for (Found& each : found)
    {
        if (each.deleted)
            continue;
        std::tie(each.session.project, each.session.todo) = identities.NamesOf(each.identity);
        sessions.push_back(std::move(each.session));
    }
    std::stable_sort(sessions.begin(), sessions.end(),
                     [](const Session& a, const Session& b) { return a.start < b.start; });
    return sessions;
}

std::optional<Session> RunningSessionOf(const std::vector<JournalEntry>& entries, int64_t now)
{
    const JournalEntry* open = nullptr;
    for (const JournalEntry& entry : entries)
        if (entry.kind == JournalKind::open)
            open = &entry;
        else if (open != nullptr && entry.kind == JournalKind::session &&
                 entry.start == open->start)
            open = nullptr;
    if (open == nullptr)
        return std::nullopt;
    Session session{open->start,
                    std::max(open->start, now),
                    std::max<int64_t>(now - open->start, 0),
                    open->project,
                    open->todo,
                    ""};
    session.running = true;
    session.id = SessionIdOf(*open);
    return session;
}

std::vector<Session> SessionsBetween(const std::vector<JournalEntry>& entries, int64_t first,
                                     int64_t last, int64_t now)
{
    std::vector<Session> chosen;
    for (Session& session : SessionsOf(entries))
        if (session.start >= first && session.start < last)
            chosen.push_back(std::move(session));
    if (std::optional<Session> running = RunningSessionOf(entries, now);
        running && running->start >= first && running->start < last)
        chosen.push_back(std::move(*running));
    return chosen;
}
