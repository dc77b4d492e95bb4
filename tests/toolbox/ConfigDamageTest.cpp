#include "tests/toolbox/ConfigTestSupport.h"

#include "tests/support/TempFolder.h"
#include "tests/toolbox/FaultyFileSystem.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

using toolbox::Config;
namespace fs = std::filesystem;

namespace
{

class ConfigDamage : public testing::Test
{
protected:
    ConfigDamage() : file((folder.Path() / "Tallydene.cfg").string()) {}

    // A store as every save writes it, telling which one it is.
    static void Fill(Config& config, const char* version)
    {
        config.Clear();
        config.GetRoot().GetSection("Options").GetParameter("Version").SetString(version);
        config.GetRoot().GetSection("Projects").GetSection("P").GetParameter("Time").SetInt(60);
    }
    static void Expect(Config& config)
    {
        config.SetSectionsEverySaveWrites({"Options", "Projects"});
    }
    std::string WholeText(const char* version) const
    {
        Config config;
        Fill(config, version);
        std::string text = WrittenText(config.GetRoot());
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 2))
            text.insert(at, 1, '\r');
        return text;
    }
    // The version a start finds, or "" when it loads nothing; "partial" for anything else.
    std::string Loaded(Config& config)
    {
        Expect(config);
        if (!config.LoadFile(file.c_str()))
            return "";
        std::string version = config.GetRoot().GetSection("Options").GetString("Version", "");
        Config expected;
        Fill(expected, version.c_str());
        return SameTree(expected.GetRoot(), config.GetRoot()) ? version : "partial";
    }
    std::string Loaded()
    {
        Config config;
        return Loaded(config);
    }
    bool Exists(const std::string& name) const { return fs::exists(name); }

    TempFolder folder;
    std::string file;
};

} // namespace

// What a start does with a file that is not whole beside a whole ".old" copy: it loads the
// copy, keeps the file as ".bad", and the next save leaves the copy alone.
TEST_F(ConfigDamage, AFileThatIsNotWholeNeverReplacesAWholeOldCopy)
{
    const std::string whole = WholeText("B");
    struct Case
    {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"white space", "\r\n\t \r\n"},
        {"NUL bytes", std::string(2048, '\0')},
        {"cut after a closing tag", whole.substr(0, whole.find("</Options>\r\n") + 12)},
        {"NUL bytes after a whole text", whole + std::string(512, '\0')},
        {"malformed", whole.substr(0, whole.size() - 5)},
    };
    for (const Case& damaged : cases)
    {
        SCOPED_TRACE(damaged.name);
        fs::remove(file + ".bad");
        WriteFileBytes(file + ".old", WholeText("A"));
        WriteFileBytes(file, damaged.bytes);
        Config config;
        EXPECT_EQ("A", Loaded(config));
        EXPECT_EQ(file + ".old", config.LastLoad().loaded);
        EXPECT_EQ(file + ".bad", config.LastLoad().keptAside);
        EXPECT_EQ(damaged.bytes, ReadFileBytes(file + ".bad"));

        Fill(config, "C");
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        EXPECT_EQ(WholeText("A"), ReadFileBytes(file + ".old")) << "the only readable copy";
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        EXPECT_EQ(WholeText("C"), ReadFileBytes(file + ".old"));
        EXPECT_EQ(damaged.bytes, ReadFileBytes(file + ".bad"));
    }
}

TEST_F(ConfigDamage, WithoutAWholeCopyTheFileLoadsAsItParsesAndDamageIsKeptAside)
{
    // A byte-order mark is skipped; a file without a readable copy beside it loads as it is.
    WriteFileBytes(file, "\xEF\xBB\xBF" + WholeText("A"));
    WriteFileBytes(file + ".old", WholeText("Z"));
    EXPECT_EQ("A", Loaded());
    EXPECT_FALSE(Exists(file + ".bad"));

    WriteFileBytes(file, "");
    fs::remove(file + ".old");
    Config empty;
    Expect(empty);
    EXPECT_TRUE(empty.LoadFile(file.c_str())) << "an empty file is an empty store";
    EXPECT_EQ(file, empty.LastLoad().loaded);
    EXPECT_FALSE(Exists(file + ".bad"));

    WriteFileBytes(file, "<Options><Version>A</></Options>"); // no projects: older or cut
    WriteFileBytes(file + ".old", "<Options><Version>Z</>");
    EXPECT_EQ("partial", Loaded());
    EXPECT_EQ("<Options><Version>Z</>", ReadFileBytes(file + ".old.bad"));

    // Neither copy readable: both kept aside, nothing loaded, and the user is to be told.
    WriteFileBytes(file, "<still>broken");
    WriteFileBytes(file + ".old", std::string(100, '\0'));
    Config none;
    EXPECT_EQ("", Loaded(none));
    EXPECT_EQ("", none.LastLoad().loaded);
    EXPECT_EQ(file + ".bad", none.LastLoad().keptAside);
    EXPECT_EQ(file + ".old.bad.1", none.LastLoad().oldKeptAside) << "the first is kept";
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(file + ".old"));

    // Read-only: the file beside the program is never renamed.
    WriteFileBytes(file, "<broken");
    Config legacy;
    Expect(legacy);
    EXPECT_FALSE(legacy.LoadFile(file.c_str(), true));
    EXPECT_EQ("<broken", ReadFileBytes(file));
}

// A file that is there but cannot be read may hold the newest data: the load leaves it where
// it is, no save goes over it, and only the user's choice sets it aside, beside (never over) a
// file kept aside before. Read again once mended, it loads.
TEST_F(ConfigDamage, AFileThatCannotBeReadIsLeftAloneUntilTheUserChooses)
{
    struct Case
    {
        const char* name;
        bool withOld;
        bool oldUnread; // the ".old" copy is the one that cannot be read
        bool inputOutputError;
    };
    const std::vector<Case> cases = {
        {"a folder at the name", true, false, false},
        {"a folder at the name, no copy", false, false, false},
        {"an I/O error", true, false, true},
        {"an I/O error, no copy", false, false, true},
        {"the copy a folder, no file", true, true, false},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        const std::string unread = test.oldUnread ? file + ".old" : file;
        if (test.withOld && !test.oldUnread)
            WriteFileBytes(file + ".old", WholeText("A"));
        if (test.inputOutputError)
            WriteFileBytes(unread, WholeText("N"));
        else
            fs::create_directory(unread);
        WriteFileBytes(unread + ".bad", "kept before");
        FaultyFileSystem disk;
        if (test.inputOutputError)
            disk.Fail(FaultyFileSystem::Operation::Read, 1, false);

        Config config;
        config.SetFileSystem(disk);
        EXPECT_EQ(test.withOld && !test.oldUnread ? "A" : "", Loaded(config));
        Config::LoadReport report = config.LastLoad();
        ASSERT_EQ(1u, report.unread.size());
        const std::string reason =
            "cannot read " + unread + ": " +
            (test.inputOutputError ? "Input/output error" : "Is a directory");
        EXPECT_EQ(reason, report.unread[0].Reason());
        EXPECT_TRUE(report.keptAside.empty() && report.oldKeptAside.empty());

        Fill(config, "B");
        EXPECT_EQ(reason, config.SaveFile(file.c_str()).Reason());
        EXPECT_EQ(test.inputOutputError, fs::is_regular_file(unread));
        EXPECT_FALSE(Exists(file + ".new"));
        if (test.withOld && !test.oldUnread)
        {
            EXPECT_EQ(WholeText("A"), ReadFileBytes(file + ".old"));
        }

        ASSERT_TRUE(config.KeepUnreadAside(report));
        EXPECT_TRUE(report.unread.empty());
        EXPECT_EQ(unread + ".bad.1", test.oldUnread ? report.oldKeptAside : report.keptAside);
        EXPECT_EQ("kept before", ReadFileBytes(unread + ".bad"));
        EXPECT_EQ(test.inputOutputError, fs::is_regular_file(unread + ".bad.1"));
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        ASSERT_TRUE(config.SaveFile(file.c_str()));
        EXPECT_EQ("B", Loaded());
        EXPECT_TRUE(Exists(unread + ".bad.1"));
    }

    // Mended before the choice: read again, it loads and saves go on.
    fs::remove_all(file);
    WriteFileBytes(file, WholeText("N"));
    FaultyFileSystem disk;
    disk.Fail(FaultyFileSystem::Operation::Read, 1, false);
    Config config;
    config.SetFileSystem(disk);
    EXPECT_EQ("B", Loaded(config)) << "the copy";
    EXPECT_FALSE(config.SaveFile(file.c_str()));
    EXPECT_EQ("N", Loaded(config));
    EXPECT_TRUE(config.LastLoad().unread.empty());
    EXPECT_TRUE(config.SaveFile(file.c_str()));
}

TEST_F(ConfigDamage, DeepNestingIsMalformedAndFailsFast)
{
    const auto start = std::chrono::steady_clock::now();
    std::string open;
    std::string close;
    for (int i = 0; i < 100000; ++i)
    {
        open += "<a>";
        close += "</a>";
    }
    for (const std::string& text : {open, open + close})
    {
        Config config;
        EXPECT_FALSE(ParseText(config, text));
        EXPECT_EQ(0, config.GetRoot().Sections().Count());
    }
    // Well past the deepest file ever written, the limit itself loads and writes back.
    const std::size_t limit = toolbox::ConfigFormat::kMaximumDepth;
    Config config;
    EXPECT_TRUE(ParseText(config, open.substr(0, 3 * limit) + close.substr(0, 4 * limit)));
    Config again;
    EXPECT_TRUE(ParseText(again, WrittenText(config.GetRoot())));
    EXPECT_TRUE(SameTree(config.GetRoot(), again.GetRoot()));
    EXPECT_FALSE(
        ParseText(config, open.substr(0, 3 * (limit + 1)) + close.substr(0, 4 * (limit + 1))));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(ConfigDamage, ASaveKeepsTheFilesPermissionsAndWritesThroughALink)
{
    const fs::path synced = folder.Path() / "synced";
    fs::create_directory(synced);
    const std::string target = (synced / "tallydene.cfg").string();
    WriteFileBytes(target, WholeText("A"));
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("synced/tallydene.cfg", file);

    Config config;
    EXPECT_EQ("A", Loaded(config));
    Fill(config, "B");
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(WholeText("B"), ReadFileBytes(target));
    EXPECT_EQ(WholeText("A"), ReadFileBytes(target + ".old"));
    EXPECT_FALSE(Exists(file + ".old"));
    EXPECT_FALSE(Exists(target + ".new"));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
              fs::status(target).permissions() & fs::perms::all);

    // A file that keeps its owner out does not hand that on: the next start could not read it.
    ::chmod(target.c_str(), 0040);
    ASSERT_TRUE(config.SaveFile(file.c_str()));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
              fs::status(target).permissions() & fs::perms::all);
}
