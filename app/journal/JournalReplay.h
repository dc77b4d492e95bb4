#pragma once

#include "app/journal/JournalEntry.h"

#include <string>
#include <vector>

class Tallydene;

// The books as the journal tells them: from its last "books" entry (or from empty books when
// it has none, a journal kept from the first start), each entry's change applied in order.
// The books given are a program with no window; what they held before is replaced.
class JournalReplay
{
public:
    // The entries that could not be applied (an item they name is not there), in order; none
    // when the journal and the books agree.
    static std::vector<std::string> Into(Tallydene& books,
                                         const std::vector<JournalEntry>& entries);
    // The device's entries after the one numbered sequence, applied to the books as loaded. The
    // progress of a session is left to the closing of an interrupted session, which takes the
    // progress the books hold; a session that ended adds what it booked after that progress.
    static std::vector<std::string> After(Tallydene& books,
                                          const std::vector<JournalEntry>& entries,
                                          const std::string& device, int64_t sequence);

    // The books several machines share: the starting books, then every machine's entries in
    // the order of their stamps, each entry once (by device and sequence) however often and in
    // whatever order it arrived. Where the machines' changes meet: times add (on an item deleted
    // elsewhere they still count on its project and the balance), the later setting of a name,
    // comment, priority or place holds, each day's target is charged once, and items that end
    // with one name in one project are told apart by a suffix. The entries refused are given.
    static std::vector<std::string> Fold(Tallydene& books, const std::string& startingBooks,
                                         std::vector<JournalEntry> entries);
    // The order every machine agrees on: by stamp, then device and sequence; duplicates go.
    static void SortByStamp(std::vector<JournalEntry>& entries);
};
