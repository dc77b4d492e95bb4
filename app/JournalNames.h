#pragma once

#include "app/JournalEntry.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Each todo's names through its renames and moves, as the journal tells them in file order:
// an entry's names give an identity, and the identity's names follow every later rename and
// move, so old entries show under the names the todo has now. A project's own entries have
// an empty todo name.
class JournalNames
{
public:
    using Names = std::pair<std::string, std::string>;

    size_t Of(const Names& names);
    // A rename or move entry.
    void Rename(const JournalEntry& entry);
    const Names& NamesOf(size_t identity) const { return current[identity]; }
    size_t Count() const { return current.size(); }

private:
    std::map<Names, size_t> byNames;
    std::vector<Names> current;
};
