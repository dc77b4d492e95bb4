#include "app/SessionHistory.h"

#include <algorithm>
#include <map>
#include <utility>

namespace
{

using Names = std::pair<std::string, std::string>;

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

} // namespace

std::vector<Session> SessionsOf(const std::vector<JournalEntry>& entries)
{
    Identities identities;
    std::vector<std::pair<Session, size_t>> found;
    for (const JournalEntry& entry : entries)
    {
        if (entry.kind == JournalKind::session)
            found.push_back({{entry.start, entry.end, entry.todoSeconds, "", "", entry.note},
                             identities.Of({entry.project, entry.todo})});
        else if (entry.kind == JournalKind::rename || entry.kind == JournalKind::move)
            identities.Rename(entry);
    }
    std::vector<Session> sessions;
    sessions.reserve(found.size());
    for (auto& [session, identity] : found)
    {
        std::tie(session.project, session.todo) = identities.NamesOf(identity);
        sessions.push_back(std::move(session));
    }
    std::stable_sort(sessions.begin(), sessions.end(),
                     [](const Session& a, const Session& b) { return a.start < b.start; });
    return sessions;
}
