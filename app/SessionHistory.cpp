#include "app/SessionHistory.h"

#include <algorithm>
#include <exception>
#include <map>
#include <utility>

namespace
{

using Names = std::pair<std::string, std::string>;

struct Found
{
    Session session;
    size_t identity;
    bool deleted = false;
};

// Each todo's names through its renames: the sessions point at an identity whose names
// follow every later rename and move.
class Identities
{
public:
    size_t Of(const Names& names)
    {
        const auto [found, added] = byNames.try_emplace(names, current.size());
        if (added)
            current.push_back(names);
        return found->second;
    }

    void Rename(const JournalEntry& entry)
    {
        std::map<Names, size_t> renamed;
        for (auto& [names, identity] : byNames)
            renamed.insert_or_assign(Renamed(entry, names), identity);
        byNames = std::move(renamed);
        for (Names& names : current)
            names = Renamed(entry, names);
    }

    const Names& NamesOf(size_t identity) const { return current[identity]; }

private:
    static Names Renamed(const JournalEntry& entry, const Names& names)
    {
        if (names.first != entry.project)
            return names;
        if (entry.kind == JournalKind::rename && entry.todo.empty())
            return {entry.note, names.second};
        if (names.second != entry.todo)
            return names;
        if (entry.kind == JournalKind::rename)
            return {names.first, entry.note};
        return {entry.note, names.second};
    }

    std::map<Names, size_t> byNames;
    std::vector<Names> current;
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

std::vector<Session> SessionsOf(const std::vector<JournalEntry>& entries)
{
    Identities identities;
    std::vector<Found> found;
    // Where each todo's session of a start is, for the edits that name it.
    std::map<std::pair<size_t, int64_t>, size_t> byStart;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::session)
        {
            const size_t identity = identities.Of({entry.project, entry.todo});
            byStart[{identity, entry.start}] = found.size();
            found.push_back(
                {{entry.start, entry.end, entry.todoSeconds, "", "", entry.note}, identity});
        }
        else if (entry.kind == JournalKind::rename || entry.kind == JournalKind::move)
            identities.Rename(entry);
        else if (entry.kind == JournalKind::edit || entry.kind == JournalKind::erase)
            ApplyEdit(entry, identities.Of({entry.project, entry.todo}), byStart, found);
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
