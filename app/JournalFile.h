#pragma once

#include "app/JournalEntry.h"

#include <string>
#include <vector>

// The session journal's file: entries only ever appended, each written and synced to the disk
// at once, so a crash loses nothing that was recorded. Lines starting with "#" are comments.
class JournalFile
{
public:
    explicit JournalFile(std::string path) : path(std::move(path)) {}

    // False when the entry could not be written whole; the reason goes to the diagnostic log.
    bool Append(const JournalEntry& entry) const;
    // Every entry in file order. A damaged line is skipped with a warning in the diagnostic
    // log; a missing file has no entries.
    std::vector<JournalEntry> ReadAll() const;
    // As ReadAll, leaving out with a warning the entries that are not plausible at the moment
    // given: for everything that shows or exports the journal.
    std::vector<JournalEntry> ReadPlausible(int64_t now) const;
    // The entries from the last one of the kind to the end, read backwards from the file's end
    // so that a long journal is not read whole; all of them when no entry is of the kind.
    std::vector<JournalEntry> ReadFromLast(const std::string& kind) const;

    const std::string& GetPath() const { return path; }

private:
    std::string path;
};
