#include "app/WorkedToday.h"

#include "app/JournalFile.h"
#include "tests/app/LocalZone.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

// Local time an hour ahead of UTC: 2 March 2026 begins at 23:00 UTC on 1 March.
TEST(WorkedToday, CountsTheLocalDaysWorkAndReadsOnlyWhatTheJournalGained)
{
    LocalZone zone("XXX-1");
    TempFolder folder;
    const std::string path = (folder.Path() / "tallydene.journal").string();
    const int64_t dayStart = 1772406000; // 2026-03-02 00:00 local
    const int64_t now = dayStart + 10 * 3600;
    const JournalFile journal(path);
    const auto entry = [](const char* kind, int64_t start, int64_t seconds)
    {
        return JournalEntry{kind,     start,   start + std::max<int64_t>(seconds, 0),
                            seconds,  seconds, 0,
                            "Office", "Mail",  ""};
    };
    ASSERT_TRUE(journal.Append(entry("session", dayStart - 1800, 3600))); // began yesterday
    ASSERT_TRUE(journal.Append(entry("session", dayStart + 3600, 1200)));
    ASSERT_TRUE(journal.Append(entry("add", dayStart + 7200, 300)));
    ASSERT_TRUE(journal.Append(entry("remove", dayStart + 7200, -60)));
    ASSERT_TRUE(journal.Append(entry("zero", dayStart + 7300, -1440))); // drops time, no work
    ASSERT_TRUE(journal.Append(entry("transfer", dayStart + 7300, 500)));
    std::ofstream(path, std::ios::app | std::ios::binary) << "# a comment\r\nnot an entry\r\n";

    WorkedToday today(path);
    std::optional<JournalEntry> running = entry("open", now - 600, 600);
    EXPECT_EQ(1200 + 300 - 60 + 600, today.At(now, running));
    EXPECT_EQ(1200 + 300 - 60, today.At(now, std::nullopt));

    // A line still being written counts once it is whole; the session that ended joins.
    std::ofstream(path, std::ios::app | std::ios::binary)
        << entry("session", now - 600, 660).Format().substr(0, 12);
    EXPECT_EQ(1440, today.At(now + 60, std::nullopt));
    std::ofstream(path, std::ios::app | std::ios::binary)
        << entry("session", now - 600, 660).Format().substr(12);
    EXPECT_EQ(1440 + 660, today.At(now + 60, std::nullopt));

    // The next day starts at nothing; the day before is still read right when asked again.
    EXPECT_EQ(0, today.At(dayStart + 86400, std::nullopt));
    EXPECT_EQ(1440 + 660, today.At(now + 120, std::nullopt));
}
