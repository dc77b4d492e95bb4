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
