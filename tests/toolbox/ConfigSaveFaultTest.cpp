#include "tests/toolbox/FaultyFileSystem.h"

#include "tests/support/Mount.h"
#include "tests/support/TempFolder.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <vector>

using toolbox::Config;
namespace fs = std::filesystem;

namespace
{

void Fill(Config& config, int projects)
{
    config.Clear();
    for (int i = 0; i < projects; ++i)
        config.GetRoot()
            .GetSection("Projects")
            .GetSection(("Project " + std::to_string(i)).c_str())
            .GetParameter("Comment")
            .SetString(std::string(100, 'c').c_str());
}

} // namespace

// The save names the step that failed, the file and the system's reason; the file and its
// copy stay as they were.
TEST(ConfigSaveFault, TheResultSaysWhatFailedWhereAndWhy)
{
    TempFolder folder;
    const std::string file = (folder.Path() / "tallydene.cfg").string();
    using Operation = FaultyFileSystem::Operation;
    struct Case
    {
        Operation operation;
        int error;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {Operation::Open, EROFS, "cannot create " + file + ".new: Read-only file system"},
        {Operation::Write, ENOSPC, "cannot write " + file + ".new: No space left on device"},
        {Operation::Flush, EDQUOT, "cannot write " + file + ".new: Disk quota exceeded"},
        {Operation::Sync, EIO, "cannot write to the disk " + file + ".new: Input/output error"},
        {Operation::Close, ENOSPC,
         "cannot write to the disk " + file + ".new: No space left on device"},
        {Operation::Rename, EACCES, "cannot rename " + file + ".new: Permission denied"},
        {Operation::SyncFolder, EIO,
         "cannot record the new name of " + file + ": Input/output error"},
    };
    for (const Case& fault : cases)
    {
        SCOPED_TRACE(fault.reason);
        Config config;
        Fill(config, 1);
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        FaultyFileSystem faulty;
        config.SetFileSystem(faulty);
        faulty.Fail(fault.operation, 1, true, fault.error);
        const toolbox::FileResult result = config.SaveFile(file.c_str());
        EXPECT_FALSE(result);
        EXPECT_EQ(fault.reason, result.Reason());
        EXPECT_EQ(fault.error, result.Error());
        EXPECT_EQ(file + (fault.operation == Operation::SyncFolder ? "" : ".new"), result.File());
    }
}

// The faults of real machines: a full disk, a folder that is read-only, a folder in the place
// of the file the save writes first.
TEST(ConfigSaveFault, RealFaultsFailTheSaveAndLeaveTheFilesWhole)
{
    TempFolder folder;
    Mount small(folder.Path() / "small", "tmpfs", "tmpfs", 0, "size=64k");
    Mount bound(folder.Path() / "bound", (folder.Path() / "small").c_str(), nullptr, MS_BIND,
                nullptr);
    if (!small.Mounted() || !bound.Mounted())
        GTEST_SKIP() << "mounting is not allowed here";
    const std::string file = (small.at / "tallydene.cfg").string();
    Config config;
    Fill(config, 20);
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    const std::string before = ReadFileBytes(file);

    fs::create_directory(file + ".new");
    EXPECT_EQ("cannot create " + file + ".new: Is a directory",
              config.SaveFile(file.c_str()).Reason());
    fs::remove(file + ".new");

    // Whatever room is left is taken by another file.
    WriteFileBytes(small.at / "filler", std::string(64 * 1024, 'x'));
    Fill(config, 40);
    const toolbox::FileResult full = config.SaveFile(file.c_str());
    EXPECT_NE(full.Reason().find(": No space left on device"), std::string::npos) << full.Reason();
    EXPECT_EQ(before, ReadFileBytes(file));
    EXPECT_EQ(before, ReadFileBytes(file + ".old"));
    fs::remove(small.at / "filler");

    ASSERT_EQ(
        0, ::mount(nullptr, bound.at.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr));
    const std::string readOnly = (bound.at / "tallydene.cfg").string();
    EXPECT_EQ("cannot create " + readOnly + ".new: Read-only file system",
              config.SaveFile(readOnly.c_str()).Reason());
    EXPECT_EQ(before, ReadFileBytes(readOnly));
    EXPECT_TRUE(config.SaveFile(file.c_str())) << "once there is room again";
}
