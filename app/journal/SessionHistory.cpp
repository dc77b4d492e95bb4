#include "app/journal/SessionHistory.h"

#include "app/journal/JournalNames.h"
#include "toolbox/TextHash.h"

#include <algorithm>
#include <cstdio>
#include <exception>
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

void ApplyEdit(const JournalEntry& entry, size_t identity,
               std::map<std::pair<size_t, int64_t>, size_t>& byStart, std::vector<Found>& found)
{
    int64_t before = 0;
    try
    {
        before = std::stoll(entry.note);
    }
    catch (const std::exception&)
    {
        return;
    }
    const auto place = byStart.find({identity, before});
    if (place == byStart.end())
        return;
    const size_t index = place->second;
    Session& session = found[index].session;
    byStart.erase(place);
    if (entry.kind == JournalKind::erase)
    {
        found[index].deleted = true;
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
    // Where each todo's session of a start is, for the edits that name it.
    std::map<std::pair<size_t, int64_t>, size_t> byStart;
    // A session keeps the id of its start, so that it names the same session while it runs.
    std::map<std::pair<size_t, int64_t>, std::string> opened;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::open && !entry.device.empty())
            opened[{identities.Of(entry), entry.start}] = SessionIdOf(entry);
        else if (entry.kind == JournalKind::session)
        {
            const size_t identity = identities.Of(entry);
            byStart[{identity, entry.start}] = found.size();
            const auto open = opened.find({identity, entry.start});
            std::string id = open != opened.end() ? open->second : SessionIdOf(entry);
            if (open != opened.end())
                opened.erase(open);
            found.push_back({{entry.start, entry.end, entry.todoSeconds, "", "", entry.note,
                              JournalKind::session, false, std::move(id)},
                             identity});
            found.back().session.machine = entry.value;
        }
        else if (changesByHand &&
                 (entry.kind == JournalKind::add || entry.kind == JournalKind::remove))
            found.push_back({{entry.start, entry.end,
                              entry.todo.empty() ? entry.projectSeconds : entry.todoSeconds, "", "",
                              entry.note, entry.kind},
                             identities.Of(entry)});
        else if (entry.kind == JournalKind::rename || entry.kind == JournalKind::move)
            identities.Rename(entry);
        else if (entry.kind == JournalKind::edit || entry.kind == JournalKind::erase)
            ApplyEdit(entry, identities.Of(entry), byStart, found);
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
