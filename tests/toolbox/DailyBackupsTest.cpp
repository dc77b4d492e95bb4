#include "toolbox/DailyBackups.h"
#include "tests/support/TempFolder.h"
#include "tests/toolbox/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>

namespace
{

std::string DayStamp(std::chrono::sys_days day)
{
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DailyBackupsTest : public testing::Test
{
protected:
    DailyBackupsTest() { std::ofstream(DataFile(), std::ios::binary) << "yesterday's data"; }
    std::filesystem::path DataFile() const { return temp.Path() / "tallydene.cfg"; }
    std::filesystem::path Backup(const std::string& stamp) const
    {
        return temp.Path() / "backups" / ("tallydene-" + stamp + ".cfg");
    }
    TempFolder temp;
};

} // namespace

// Seventy days of copies, one a day (Friday 23 October to Thursday 31 December 2026), and a
// copy kept at a restore on the last day: the fourteen newest days keep all their copies, then
// the newest copy of each of eight weeks stays, and the rest goes.
TEST(DailyBackupsPruning, KeepsFourteenDaysAndEightWeeks)
{
    using namespace std::chrono;
    const sys_days last = sys_days(2026y / December / 31);
    std::vector<std::string> stamps;
    for (int back = 0; back < 70; ++back)
        stamps.push_back(DayStamp(last - days(back)));
    stamps.push_back("2026-12-31-101500");

    const std::vector<std::string> unkept = toolbox::DailyBackups::Unkept(stamps);
    std::set<std::string> kept(stamps.begin(), stamps.end());
    for (const std::string& stamp : unkept)
        kept.erase(stamp);

    std::set<std::string> expected{"2026-12-31-101500"};
    for (int back = 0; back < 14; ++back)
        expected.insert(DayStamp(last - days(back)));
    // 18 December is the oldest daily copy; the week of 14 to 17 December keeps its 17th,
    // the weeks before it their Sundays, and the week of 23 to 25 October is one too many.
    for (const char* weekly : {"2026-12-17", "2026-12-13", "2026-12-06", "2026-11-29", "2026-11-22",
                               "2026-11-15", "2026-11-08", "2026-11-01"})
        expected.insert(weekly);
    EXPECT_EQ(expected, kept);
    EXPECT_EQ(stamps.size() - expected.size(), unkept.size());
    EXPECT_TRUE(toolbox::DailyBackups::Unkept({"2026-12-01", "2026-11-01"}).empty());
}

// A copy is a second name where one can be made and a copy of the bytes where not; either way
// the copy holds the day's data, lists newest first, replaces one of the same day, and the old
// copies beyond those kept are deleted.
TEST_F(DailyBackupsTest, KeepsTheFileAsLinkOrCopyAndPrunes)
{
    toolbox::DailyBackups backups(DataFile().string());
    ASSERT_TRUE(backups.Keep("2026-12-07"));
    struct stat data
    {
    }, copy{};
    ASSERT_EQ(0, stat(DataFile().string().c_str(), &data));
    ASSERT_EQ(0, stat(Backup("2026-12-07").string().c_str(), &copy));
    EXPECT_EQ(data.st_ino, copy.st_ino) << "a second name of the file";

    FaultyFileSystem noLinks;
    noLinks.Fail(FaultyFileSystem::Operation::Link, 1, true, EPERM);
    toolbox::DailyBackups copying(DataFile().string(), noLinks);
    std::ofstream(temp.Path() / "backups" / "notes.txt") << "the user's own";
    for (int day = 1; day <= 20; ++day)
    {
        // As a save does: a new file takes the data file's place.
        std::ofstream(temp.Path() / "next", std::ios::binary) << "data of day " << day;
        std::filesystem::rename(temp.Path() / "next", DataFile());
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "2026-11-%02d", day);
        ASSERT_TRUE(copying.Keep(stamp));
    }
    ASSERT_EQ(0, stat(Backup("2026-11-20").string().c_str(), &copy));
    EXPECT_NE(data.st_ino, copy.st_ino);
    EXPECT_EQ("data of day 20", Read(Backup("2026-11-20")));
    EXPECT_FALSE(std::filesystem::exists(Backup("2026-11-20.new")));

    const std::vector<toolbox::DailyBackups::Backup> listed = backups.List();
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ("2026-12-07", listed.front().stamp);
    EXPECT_EQ("yesterday's data", Read(listed.front().path));
    // 7 December and 20 back to 8 November are the fourteen days; the weeks of 2 and of
    // 1 November (a Sunday) keep their newest.
    EXPECT_EQ(16u, listed.size());
    EXPECT_EQ("2026-11-01", listed.back().stamp);
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "backups" / "notes.txt"));
}

// A copy that cannot be made is a failure that names what failed and leaves the data file
// alone; a missing data file is nothing to keep.
TEST_F(DailyBackupsTest, FailureIsReportedAndLeavesTheFileAlone)
{
    FaultyFileSystem disk;
    disk.Fail(FaultyFileSystem::Operation::SyncFolder, 1, true, EIO);
    const toolbox::FileResult unsynced =
        toolbox::DailyBackups(DataFile().string(), disk).Keep("2026-12-07");
    EXPECT_FALSE(unsynced);
    EXPECT_EQ(Backup("2026-12-07").string(), unsynced.File());

    std::filesystem::remove_all(temp.Path() / "backups");
    std::ofstream(temp.Path() / "backups") << "a file where the folder belongs";
    const toolbox::FileResult noFolder =
        toolbox::DailyBackups(DataFile().string()).Keep("2026-12-08");
    EXPECT_FALSE(noFolder);
    EXPECT_EQ((temp.Path() / "backups").string(), noFolder.File());
    EXPECT_EQ("yesterday's data", Read(DataFile()));

    std::filesystem::remove(temp.Path() / "backups");
    std::filesystem::remove(DataFile());
    EXPECT_TRUE(toolbox::DailyBackups(DataFile().string()).Keep("2026-12-09"));
    EXPECT_FALSE(std::filesystem::exists(Backup("2026-12-09")));
}
