#include "app/JournalNames.h"

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
        current.push_back(names);
    return found->second;
}

void JournalNames::Rename(const JournalEntry& entry)
{
    std::map<Names, size_t> renamed;
    for (auto& [names, identity] : byNames)
        renamed.insert_or_assign(Renamed(entry, names), identity);
    byNames = std::move(renamed);
    for (Names& names : current)
        names = Renamed(entry, names);
}
