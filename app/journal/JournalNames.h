#pragma once

#include "app/journal/JournalEntry.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Each todo's names through its renames and moves, as the journal tells them in file order:
// an entry's todo id gives an identity, or where it has none (a line written before entries
// carried ids) its names; the identity's names follow every later rename and move, so old
// entries show under the names the todo has now, and two todos that had the same names at
// different times stay apart. An entry with an id takes on the identity of the same names that
// older lines gave. A project's own entries have an empty todo name.
class JournalNames
{
public:
    using Names = std::pair<std::string, std::string>;

    size_t Of(const Names& names);
    size_t Of(const JournalEntry& entry);
    // A rename or move entry.
    void Rename(const JournalEntry& entry);
    const Names& NamesOf(size_t identity) const { return current[identity]; }
    size_t Count() const { return current.size(); }

private:
    std::map<Names, size_t> byNames;
    std::map<std::string, size_t> byId;
    // Whether an identity has an id, and so is not found by names any more.
    std::vector<bool> withId;
    std::vector<Names> current;
};
