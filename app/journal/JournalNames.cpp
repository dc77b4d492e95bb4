#include "app/journal/JournalNames.h"

namespace
{

JournalNames::Names Renamed(const JournalEntry& entry, const JournalNames::Names& names)
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

} // namespace

size_t JournalNames::Of(const Names& names)
{
    const auto [found, added] = byNames.try_emplace(names, current.size());
    if (added)
    {
        current.push_back(names);
        withId.push_back(false);
    }
    return found->second;
}

size_t JournalNames::Of(const JournalEntry& entry)
{
    const std::string& id = entry.todo.empty() ? entry.projectId : entry.todoId;
    const Names names{entry.project, entry.todo};
    if (id.empty())
        return Of(names);
    if (const auto found = byId.find(id); found != byId.end())
        return found->second;
    size_t identity = current.size();
    if (const auto named = byNames.find(names); named != byNames.end() && !withId[named->second])
        identity = named->second;
    else
    {
        current.push_back(names);
        withId.push_back(false);
    }
    withId[identity] = true;
    // Later lines without an id and with these names are of another item.
    byNames.erase(names);
    byId[id] = identity;
    return identity;
}

void JournalNames::Rename(const JournalEntry& entry)
{
    // A todo's rename or move with its id changes that todo's names alone.
    if (!entry.todoId.empty() && !entry.todo.empty())
    {
        const size_t identity = Of(entry);
        current[identity] = Renamed(entry, current[identity]);
        return;
    }
    std::map<Names, size_t> renamed;
    for (auto& [names, identity] : byNames)
        renamed.insert_or_assign(Renamed(entry, names), identity);
    byNames = std::move(renamed);
    for (Names& names : current)
        names = Renamed(entry, names);
}
