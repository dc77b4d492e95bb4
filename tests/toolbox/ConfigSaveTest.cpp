#include "tests/toolbox/ConfigTestSupport.h"
#include "tests/toolbox/FaultyFileSystem.h"

#include "tests/support/TempFolder.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using toolbox::Config;

namespace
{

class ConfigSave : public testing::Test
{
protected:
    ConfigSave() : file((folder.Path() / "Tallydene.cfg").string()) {}

    // A store whose content tells which one it is.
    static void Fill(Config& config, const char* version)
    {
        config.Clear();
        config.GetRoot().GetSection("Store").GetParameter("Version").SetString(version);
        config.GetRoot().GetSection("Projects").GetSection("P").GetParameter("Time").SetInt(60);
    }
    bool Save(const char* version, Config& config)
    {
        Fill(config, version);
        return static_cast<bool>(config.SaveFile(file.c_str()));
    }
    bool Save(const char* version)
    {
        Config config;
        return Save(version, config);
    }
    // The version a fresh store loads from the files, or "" when the load fails.
    std::string Loaded()
    {
        Config config;
        if (!config.LoadFile(file.c_str()))
        {
            EXPECT_EQ(0, config.GetRoot().Sections().Count());
            return "";
        }
        Config expected;
        std::string version = config.GetRoot().GetSection("Store").GetString("Version", "");
        Fill(expected, version.c_str());
        EXPECT_TRUE(SameTree(expected.GetRoot(), config.GetRoot()));
        return version;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(name); }

    TempFolder folder;
    std::string file;
};

std::vector<std::string>* logged = nullptr;

void KeepLogLine(const char* place, int, int level, const char* text)
{
    logged->push_back(std::to_string(level) + " " + place + " " + text);
}

} // namespace

TEST_F(ConfigSave, KeepsThePreviousVersionAsOldAndNeverReadsNew)
{
    ASSERT_TRUE(Save("A"));
    EXPECT_FALSE(Exists(file + ".old"));
    EXPECT_FALSE(Exists(file + ".new"));
    ASSERT_TRUE(Save("B"));
    EXPECT_FALSE(Exists(file + ".new"));
    EXPECT_EQ("B", Loaded());

    WriteFileBytes(file + ".new", "<Store><Version>leftover</></Store>");
    std::filesystem::remove(file);
    EXPECT_EQ("A", Loaded()) << "a missing file falls back to .old, never to .new";
    std::filesystem::remove(file + ".old");
    EXPECT_EQ("", Loaded());
}

TEST_F(ConfigSave, MissingFilesLeaveTheStoreAsItWas)
{
    Config config;
    Fill(config, "kept");
    EXPECT_FALSE(config.LoadFile(file.c_str()));
    EXPECT_STREQ("kept", config.GetRoot().GetSection("Store").GetString("Version", ""));
}

// Each operation of a save failing, at its first and at its last call, once or from then on.
TEST_F(ConfigSave, AFailedOperationLeavesALoadableFileAndTheNextSaveSucceeds)
{
    FaultyFileSystem counting;
    {
        ASSERT_TRUE(Save("A"));
        ASSERT_TRUE(Save("B"));
        Config config;
        config.SetFileSystem(counting);
        Fill(config, "C");
        ASSERT_TRUE(config.SaveFile(file.c_str()));
    }
    int cases = 0;
    using Operation = FaultyFileSystem::Operation;
    for (int op = 0; op < FaultyFileSystem::kSaveOperationCount; ++op)
    {
        const auto operation = static_cast<Operation>(op);
        for (int occurrence : {1, counting.Calls(operation)})
            for (bool fromThenOn : {false, true})
            {
                SCOPED_TRACE(testing::Message() << "operation " << op << ", call " << occurrence
                                                << (fromThenOn ? ", from then on" : ", once"));
                ++cases;
                ASSERT_TRUE(Save("A"));
                ASSERT_TRUE(Save("B"));
                const std::string before = ReadFileBytes(file);
                const std::string oldBefore = ReadFileBytes(file + ".old");

                FaultyFileSystem faulty;
                Config config;
                config.SetFileSystem(faulty);
                faulty.Fail(operation, occurrence, fromThenOn);
                // Without a second name for the file, the save renames it to ".old" instead.
                const bool fallsBack = operation == Operation::Link;
                EXPECT_EQ(fallsBack, Save("C", config));
                const bool renamesDone = fallsBack || operation == Operation::SyncFolder;
                EXPECT_TRUE(Exists(file)) << "the file never goes missing";
                if (!renamesDone)
                {
                    EXPECT_EQ(before, ReadFileBytes(file));
                }
                const bool linked = operation == Operation::Rename || renamesDone;
                EXPECT_EQ(linked ? before : oldBefore, ReadFileBytes(file + ".old"));
                EXPECT_EQ(renamesDone ? "C" : "B", Loaded());

                if (fromThenOn)
                {
                    EXPECT_EQ(fallsBack, Save("D", config));
                    EXPECT_EQ(renamesDone ? "D" : "B", Loaded());
                    faulty.Heal();
                }
                EXPECT_TRUE(Save("E", config));
                EXPECT_EQ("E", Loaded());
                EXPECT_FALSE(Exists(file + ".new"));
            }
    }
    EXPECT_EQ(4 * FaultyFileSystem::kSaveOperationCount, cases);
}

TEST_F(ConfigSave, AFullDiskFailsTheSaveBeforeAnyRename)
{
    if (!Exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    ASSERT_TRUE(Save("A"));
    ASSERT_TRUE(Save("B"));
    const std::string before = ReadFileBytes(file);
    const std::string oldBefore = ReadFileBytes(file + ".old");
    // Every write to /dev/full fails with "no space left"; the small file only meets it when
    // its buffer is flushed.
    std::filesystem::create_symlink("/dev/full", file + ".new");
    EXPECT_FALSE(Save("C"));
    EXPECT_EQ(before, ReadFileBytes(file));
    EXPECT_EQ(oldBefore, ReadFileBytes(file + ".old"));

    std::filesystem::remove(file + ".new");
    EXPECT_TRUE(Save("D"));
    EXPECT_EQ("D", Loaded());
}

TEST_F(ConfigSave, AnUnreadableFileIsKeptAsideAndItsOldCopyLoaded)
{
    std::vector<std::string> lines;
    logged = &lines;
    toolbox::SetConfigLogHook(KeepLogLine);
    const std::string broken = "<Store>\r\n\t<Version>half a sa";
    ASSERT_TRUE(Save("A"));
    ASSERT_TRUE(Save("B"));
    WriteFileBytes(file, broken);
    WriteFileBytes(file + ".bad", "an older unreadable file");

    EXPECT_EQ("A", Loaded());
    toolbox::SetConfigLogHook(nullptr);
    // A file kept aside before is never replaced: this one takes the next free name.
    EXPECT_EQ("an older unreadable file", ReadFileBytes(file + ".bad"));
    EXPECT_EQ(broken, ReadFileBytes(file + ".bad.1"));
    EXPECT_FALSE(Exists(file));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("4 toolbox::Config::LoadFile The configuration file " + file +
                  " cannot be read; it is kept as " + file + ".bad.1",
              lines[0]);

    // The first save keeps the good copy as it is, and two saves do not rotate the unreadable
    // file away.
    ASSERT_TRUE(Save("C"));
    EXPECT_NE(std::string::npos, ReadFileBytes(file + ".old").find("<Version>A</>"));
    ASSERT_TRUE(Save("D"));
    EXPECT_EQ(broken, ReadFileBytes(file + ".bad.1"));
    EXPECT_EQ("D", Loaded());
}

TEST_F(ConfigSave, AnUnreadableFileWithoutAReadableCopyLeavesTheStoreEmpty)
{
    WriteFileBytes(file, "not a configuration");
    Config config;
    Fill(config, "before");
    EXPECT_FALSE(config.LoadFile(file.c_str()));
    EXPECT_EQ(0, config.GetRoot().Sections().Count());
    EXPECT_EQ("not a configuration", ReadFileBytes(file + ".bad"));

    WriteFileBytes(file, "<still>broken");
    WriteFileBytes(file + ".old", "<unreadable too");
    EXPECT_EQ("", Loaded());
    EXPECT_EQ("not a configuration", ReadFileBytes(file + ".bad"));
    EXPECT_EQ("<still>broken", ReadFileBytes(file + ".bad.1"));
}
