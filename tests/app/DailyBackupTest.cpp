#include "tests/app/AppScenario.h"
#include "tests/toolbox/FaultyFileSystem.h"
#include "toolbox/Logger.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

class DailyBackup : public AppScenario
{
protected:
    // Noon UTC: the same date in every time zone a test machine is likely to have.
    void StartOn7DecemberWithFileOf6()
    {
        ExpectedSettings settings;
        settings.lastTimeUpdated = ClockAt(2026, 12, 6, 12);
        settings.projects = {{"Office", 600, {{"Mail", 600}}}};
        WriteConfig(settings);
        yesterday = SavedConfig();
        clock.Set(2026, 12, 7, 12);
    }
    std::filesystem::path BackupOf(const std::string& day) const
    {
        return DataFolder() / "backups" / ("Tallydene-" + day + ".cfg");
    }
    std::size_t BackupCount() const
    {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(DataFolder() / "backups"))
            ++count;
        return count;
    }
    std::string yesterday;
};

} // namespace

// The first save of a day keeps the file as it was, under the day it was saved on; the saves
// after it on the same day keep nothing more, and the next day keeps today's last file.
TEST_F(DailyBackup, FirstSaveOfADayKeepsThePreviousDaysFile)
{
    StartOn7DecemberWithFileOf6();
    std::unique_ptr<Tallydene> app = Start();
    clock.Advance(60);
    app->UpdateTime();
    EXPECT_EQ(yesterday, ReadFileBytes(BackupOf("2026-12-06")));
    EXPECT_NE(yesterday, SavedConfig());

    clock.Advance(3600);
    app->UpdateTime();
    EXPECT_EQ(1u, BackupCount());
    const std::string lastOfThe7th = ReadFileBytes(ConfigFile());

    clock.Set(2026, 12, 8, 12);
    app->UpdateTime();
    EXPECT_EQ(2u, BackupCount());
    EXPECT_EQ(lastOfThe7th, ReadFileBytes(BackupOf("2026-12-07")));
    EXPECT_EQ(yesterday, ReadFileBytes(BackupOf("2026-12-06")));
}

// A backup that fails is logged, and the save goes ahead.
TEST_F(DailyBackup, FailedBackupDoesNotStopTheSave)
{
    toolbox::Logger logger;
    std::filesystem::remove(logger.GetPath().c_str());
    StartOn7DecemberWithFileOf6();
    std::filesystem::create_directories(DataFolder());
    WriteFileBytes(DataFolder() / "backups", "a file where the folder belongs");
    std::unique_ptr<Tallydene> app = Start();
    clock.Advance(60);
    app->UpdateTime();
    EXPECT_FALSE(app->IsSaveFailing());
    EXPECT_NE(yesterday, SavedConfig());
    EXPECT_TRUE(window.prompts.shown.empty());
    const std::string log = ReadFileBytes(logger.GetPath().c_str());
    EXPECT_NE(log.find("The day's backup was not made: cannot create " +
                       (DataFolder() / "backups").string()),
              std::string::npos)
        << log;

    // The copy made but not recorded on the disk: the same, with the save's own steps intact.
    std::filesystem::remove(DataFolder() / "backups");
    FaultyFileSystem disk;
    app->GetConfig().SetFileSystem(disk);
    disk.Fail(FaultyFileSystem::Operation::SyncFolder, 1, false, EIO);
    clock.Set(2026, 12, 8, 12);
    EXPECT_TRUE(app->SaveAndReport());
    EXPECT_TRUE(std::filesystem::exists(BackupOf("2026-12-07")));
    app->GetConfig().SetFileSystem(toolbox::FileSystem::Native());
}
