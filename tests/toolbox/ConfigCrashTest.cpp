#include "tests/toolbox/ConfigTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using toolbox::Config;

namespace
{

// A store whose size and content follow from its version, so that a loaded store can be
// checked against the one that was saved.
void Fill(Config& config, long version)
{
    config.Clear();
    config.GetRoot().GetSection("Store").GetParameter("Version").SetString(
        std::to_string(version).c_str());
    const std::string comment(200, static_cast<char>('a' + version % 26));
    toolbox::ConfigSection& projects = config.GetRoot().GetSection("Projects");
    for (long i = 0; i < 20 + version % 50; ++i)
    {
        toolbox::ConfigSection& project =
            projects.GetSection(("Project " + std::to_string(i)).c_str());
        project.GetParameter("TotalTime").SetInt(static_cast<int32_t>(version + i));
        project.GetParameter("Comment").SetString(comment.c_str());
    }
}

[[noreturn]] void SaveForever(const std::string& file, long firstVersion)
{
    Config config;
    for (long version = firstVersion;; ++version)
    {
        Fill(config, version);
        config.SaveFile(file.c_str());
    }
}

} // namespace

// A process that saves in a loop is killed at random moments; each time the file that is left
// loads as one of the stores it saved, whole.
TEST(ConfigCrash, AKilledSaveLeavesACompleteStore)
{
    TempFolder folder;
    const std::string file = (folder.Path() / "Tallydene.cfg").string();
    {
        Config config;
        Fill(config, 0);
        ASSERT_TRUE(config.SaveFile(file.c_str()));
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(0, 15000);
    std::set<long> seen;
    const int kills = 300;
    for (int kill = 1; kill <= kills; ++kill)
    {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever(file, kill * 1000000L);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(child, waitpid(child, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself";

        Config loaded;
        ASSERT_TRUE(loaded.LoadFile(file.c_str())) << "after kill " << kill;
        const long version =
            std::stol(loaded.GetRoot().GetSection("Store").GetString("Version", "-1"));
        Config expected;
        Fill(expected, version);
        ASSERT_TRUE(SameTree(expected.GetRoot(), loaded.GetRoot())) << "after kill " << kill;
        seen.insert(version / 1000000L);
    }
    // Most children got at least one save done before they were killed.
    EXPECT_GT(seen.size(), static_cast<std::size_t>(kills / 3));
}
