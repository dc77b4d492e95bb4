#include "app/journal/SessionHistory.h"

#include "app/journal/JournalNames.h"

#include <algorithm>
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

std::vector<Session> SessionsOf(const std::vector<JournalEntry>& entries, bool changesByHand)
{
    JournalNames identities;
    std::vector<Found> found;
    // Where each todo's session of a start is, for the edits that name it.
    std::map<std::pair<size_t, int64_t>, size_t> byStart;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::session)
        {
            const size_t identity = identities.Of(entry);
            byStart[{identity, entry.start}] = found.size();
            found.push_back(
                {{entry.start, entry.end, entry.todoSeconds, "", "", entry.note}, identity});
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
