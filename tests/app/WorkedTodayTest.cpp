#include "app/journal/WorkedToday.h"

#include "app/journal/JournalFile.h"
#include "tests/app/LocalZone.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

// An hour ahead of UTC: 2 March 2026 begins at 23:00 UTC on 1 March. Of the day's entries only
// work counts (not zeroing or transfers), with the running session; a line still being written
// counts once whole, and the next day starts at nothing.
TEST(WorkedToday, CountsTheLocalDaysWorkAsTheJournalGrows)
{
    LocalZone zone("XXX-1");
    TempFolder folder;
    const std::string path = (folder.Path() / "tallydene.journal").string();
    const int64_t day = 1772406000;
    const auto entry = [](const char* kind, int64_t start, int64_t seconds)
    { return JournalEntry{kind, start, start + 60, seconds, seconds, 0, "P", "T", ""}; };
    for (const JournalEntry& each :
         {entry("session", day - 1800, 3600), entry("session", day, 1200), entry("add", day, 300),
          entry("remove", day, -60), entry("zero", day, -1440), entry("transfer", day, 500)})
        ASSERT_TRUE(JournalFile(path).Append(each));
    WorkedToday today(path);
    EXPECT_EQ(1440 + 600, today.At(day + 3600, entry("open", day + 60, 600)));

    const std::string line = entry("session", day + 60, 660).Format();
    std::ofstream(path, std::ios::app | std::ios::binary) << line.substr(0, 12);
    EXPECT_EQ(1440, today.At(day + 3600, std::nullopt));
    std::ofstream(path, std::ios::app | std::ios::binary) << line.substr(12);
    EXPECT_EQ(1440 + 660, today.At(day + 3600, std::nullopt));
    EXPECT_EQ(0, today.At(day + 86400, std::nullopt));
}

// The books entry's note (the whole books) is passed over in the stream, not read: readers get
// the entry without it but with every field after it, also across the blocks it is read in; a
// books line cut short by a crash ends at its line end, and one still being written is not
// taken until it is whole.
TEST(WorkedToday, PassesOverTheBooksInTheJournal)
{
    LocalZone zone("XXX-1");
    TempFolder folder;
    const std::string path = (folder.Path() / "tallydene.journal").string();
    const int64_t day = 1772406000;
    JournalEntry session{"session", day, day + 60, 600, 600, 0, "P", "T", ""};
    JournalEntry books{"books", day + 60, day + 60, 0, 0, 0, "", "", std::string(70000, 'x')};
    books.todoId = "T1";
    books.device = "D";
    books.sequence = 7;
    const std::string booksLine = books.Format();
    ASSERT_TRUE(JournalFile(path).Append(session));
    std::ofstream(path, std::ios::app | std::ios::binary) << booksLine.substr(0, 40000);
    WorkedToday today(path);
    EXPECT_EQ(600, today.At(day + 3600, std::nullopt));
    std::ofstream(path, std::ios::app | std::ios::binary) << booksLine.substr(40000);
    ASSERT_TRUE(JournalFile(path).Append(session));
    EXPECT_EQ(1200, today.At(day + 3600, std::nullopt));

    // Cut short in the note, then the next entry on a line of its own.
    std::ofstream(path, std::ios::app | std::ios::binary) << booksLine.substr(0, 30000);
    ASSERT_TRUE(JournalFile(path).Append(session));
    EXPECT_EQ(1800, today.At(day + 3600, std::nullopt));

    const std::vector<JournalEntry> entries = JournalFile(path).ReadAll();
    ASSERT_EQ(5u, entries.size());
    EXPECT_EQ("books", entries[1].kind);
    EXPECT_EQ("", entries[1].note);
    EXPECT_EQ("T1", entries[1].todoId);
    EXPECT_EQ(7, entries[1].sequence);
    EXPECT_EQ("session", entries[4].kind);
    EXPECT_EQ(70000u, JournalFile(path).ReadComplete()[1].note.size());
    const std::vector<JournalEntry> fromBooks = JournalFile(path).ReadFromLast("books");
    ASSERT_EQ(2u, fromBooks.size());
    EXPECT_EQ(day + 60, fromBooks[0].start);
}
