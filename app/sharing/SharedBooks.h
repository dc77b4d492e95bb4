#pragma once

#include "app/journal/JournalEntry.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class Tallydene;

// The books this machine keeps together with others: the books they started sharing, this
// machine's entries since then (its own journal holds them) and the entries of the other
// machines as they arrive. Whenever an entry arrives that the books do not yet hold, they are
// folded anew from the starting books, so that every machine that holds the same entries holds
// the same books, whatever order the entries came in.
class SharedBooks
{
public:
    // This machine's entries after the one numbered firstSequence belong to the shared books.
    SharedBooks(Tallydene& app, std::string startingBooks, int64_t firstSequence);

    // Entries read from the other machines' journals, in any order, any number of times. True
    // when one was new and the books were folded anew.
    bool Take(const std::vector<JournalEntry>& entries);
    // The books folded anew from everything known; the entries refused are given.
    std::vector<std::string> Fold();

    const std::string& StartingBooks() const { return startingBooks; }
    int64_t FirstSequence() const { return firstSequence; }
    // The other machines' entries, each once, in the order they arrived.
    const std::vector<JournalEntry>& Others() const { return others; }
    // This machine's entries that belong to the shared books, in its journal's order.
    std::vector<JournalEntry> OwnEntries() const;
    // The latest session another machine started, whether it still runs or not; nothing while
    // none did.
    std::optional<JournalEntry> LatestStartElsewhere() const;
    // Whether the session that started with the entry has not ended yet, as far as is known.
    bool StillRuns(const JournalEntry& opened) const;
    // When the last new entry of another machine arrived, and which device wrote it.
    const std::string& LastMergedDevice() const { return lastDevice; }

private:
    Tallydene& app;
    std::string startingBooks;
    int64_t firstSequence = 0;
    std::vector<JournalEntry> others;
    std::set<std::pair<std::string, int64_t>> known;
    std::string lastDevice;
};
