#include "tests/toolbox/ConfigTestSupport.h"
#include "tests/toolbox/PowerCutFileSystem.h"

#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using toolbox::Config;
using Disk = PowerCutFileSystem::Disk;

namespace
{

const char* const file = "/data/Tallydene.cfg";

// Stores of different sizes, each telling which one it is, so that a partial or mixed file
// cannot pass for a complete one.
void Fill(Config& config, const std::string& version)
{
    config.Clear();
    config.GetRoot().GetSection("Store").GetParameter("Version").SetString(version.c_str());
    for (std::size_t i = 0; i < version.size() + 2; ++i)
    {
        std::string name = "P";
        name += std::to_string(i);
        toolbox::ConfigSection& project =
            config.GetRoot().GetSection("Projects").GetSection(name.c_str());
        project.GetParameter("Time").SetInt(static_cast<int32_t>(i * 60));
        project.GetParameter("Comment").SetString(version.c_str());
    }
}

std::string FileText(const std::string& version)
{
    Config config;
    Fill(config, version);
    std::string text;
    for (const char c : WrittenText(config.GetRoot()))
    {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

// The version a start-up finds on the disk, or "" when nothing loads; a store that loads but
// is not one of the complete stores is reported as "partial".
std::string LoadedVersion(const Disk& disk)
{
    PowerCutFileSystem files(disk);
    Config config;
    config.SetFileSystem(files);
    config.SetSectionsEverySaveWrites({"Projects", "Store"});
    if (!config.LoadFile(file))
        return config.GetRoot().Sections().Count() == 0 ? "" : "partial";
    const std::string version = config.GetRoot().GetSection("Store").GetString("Version", "");
    Config expected;
    Fill(expected, version);
    return SameTree(expected.GetRoot(), config.GetRoot()) ? version : "partial";
}

struct Start
{
    const char* name;
    Disk disk;
    std::string loads; // what the program finds at start-up
};

std::string Describe(const Disk& disk)
{
    std::string text;
    for (const auto& [name, bytes] : disk)
        text += "  " + name + ": " + std::to_string(bytes.size()) + " bytes\n";
    return text;
}

const std::string f = file;
const std::vector<Start> starts = {
    {"no file", {}, ""},
    {"a file", {{f, FileText("A")}}, "A"},
    {"a file and its old copy", {{f, FileText("A")}, {f + ".old", FileText("Z")}}, "A"},
    {"a leftover new file",
     {{f, FileText("A")}, {f + ".old", FileText("Z")}, {f + ".new", "<Store><Ver"}},
     "A"},
    {"an unreadable file", {{f, "<Store>\r\n\t<Versi"}, {f + ".old", FileText("A")}}, "A"},
};

// The program starts from the disk, then saves twice, and the power goes after the given
// number of operations. Gives the disks the cut may leave, and the versions a load may find
// on them: the store as the last finished step left it and as the running step made it.
// finished tells whether both saves ended before the cut.
std::set<Disk> CutDuringTwoSaves(const Start& start, bool links, int budget,
                                 std::set<std::string>& allowed, bool& finished)
{
    PowerCutFileSystem files(start.disk);
    files.CutPowerAfter(budget);
    if (!links)
        files.RefuseLinks();
    Config config;
    config.SetFileSystem(files);
    config.SetSectionsEverySaveWrites({"Projects", "Store"});
    allowed = {start.loads};
    finished = false;
    bool saved = false;
    try
    {
        config.LoadFile(file);
        for (const char* version : {"B", "CC"})
        {
            allowed.insert(version);
            Fill(config, version);
            EXPECT_TRUE(config.SaveFile(file));
            allowed = {version};
            saved = true;
        }
        finished = true;
    }
    catch (const PowerCutFileSystem::PowerCut&)
    {
    }
    // Another program reading the file while the power is still on always finds it.
    if (links && saved)
    {
        EXPECT_EQ(files.Current().count(f), 1u) << "missing after " << budget;
    }
    return files.Survivors();
}

} // namespace

// The power goes after every operation in turn, on a file system with second names for a
// file and on one without.
TEST(ConfigPowerCut, EveryCutLeavesTheLastCompleteStoreOrTheOneBefore)
{
    int cases = 0;
    for (bool links : {true, false})
        for (const Start& start : starts)
        {
            SCOPED_TRACE(start.name);
            SCOPED_TRACE(links ? "second names" : "no second names");
            ASSERT_EQ(start.loads, LoadedVersion(start.disk));
            bool finished = false;
            for (int budget = 0; !finished; ++budget)
            {
                std::set<std::string> allowed;
                for (const Disk& disk : CutDuringTwoSaves(start, links, budget, allowed, finished))
                {
                    ++cases;
                    const std::string loaded = LoadedVersion(disk);
                    EXPECT_TRUE(allowed.count(loaded))
                        << "after " << budget << " operations the load finds '" << loaded
                        << "' on\n"
                        << Describe(disk);
                }
            }
        }
    // A save hands its text on in one block, so a cut finds fewer steps than a write a tag.
    EXPECT_GT(cases, 450);
    std::cout << "[          ] " << cases << " disks after a power cut\n";
}

// As above, and then the file is found empty, full of NUL bytes or cut after a closing tag
// at the next start, as a file system that lost the file's data but not its name leaves it.
// Where the ".old" copy is whole, the start loads it and its first save leaves it in place.
TEST(ConfigPowerCut, AFileFoundEmptyOrCutLoadsTheOldCopyAndKeepsIt)
{
    int cases = 0;
    for (bool links : {true, false})
        for (const Start& start : starts)
        {
            SCOPED_TRACE(start.name);
            bool finished = false;
            for (int budget = 0; !finished; ++budget)
            {
                std::set<std::string> allowed;
                for (Disk disk : CutDuringTwoSaves(start, links, budget, allowed, finished))
                {
                    if (!disk.count(f) || !disk.count(f + ".old"))
                        continue;
                    Disk withoutFile = disk;
                    withoutFile.erase(f);
                    const std::string old = LoadedVersion(withoutFile);
                    if (old.empty() || old == "partial")
                        continue;
                    const std::string text = disk[f];
                    const std::size_t firstClose = text.find(">\r\n\r\n");
                    for (const std::string& damaged :
                         {std::string(), std::string(text.size(), '\0'),
                          text.substr(0, firstClose == std::string::npos ? 0 : firstClose + 3)})
                    {
                        ++cases;
                        disk[f] = damaged;
                        EXPECT_EQ(old, LoadedVersion(disk)) << Describe(disk);
                        PowerCutFileSystem files(disk);
                        Config config;
                        config.SetFileSystem(files);
                        config.SetSectionsEverySaveWrites({"Projects", "Store"});
                        config.LoadFile(file);
                        Fill(config, "D");
                        ASSERT_TRUE(config.SaveFile(file));
                        EXPECT_EQ(disk[f + ".old"], files.Current()[f + ".old"]);
                        // A file kept aside before stays, and this one takes the next name.
                        const bool keptBefore = disk.count(f + ".bad") != 0;
                        EXPECT_EQ(damaged, files.Current()[f + (keptBefore ? ".bad.1" : ".bad")]);
                        if (keptBefore)
                        {
                            EXPECT_EQ(disk[f + ".bad"], files.Current()[f + ".bad"]);
                        }
                        EXPECT_EQ("D", LoadedVersion(files.Current()));
                    }
                }
            }
        }
    EXPECT_GT(cases, 300);
    std::cout << "[          ] " << cases << " damaged files after a power cut\n";
}
