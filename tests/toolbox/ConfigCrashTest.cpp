#include "tests/toolbox/ConfigTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
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

// Saves a changing store until it is killed, telling the parent after every save.
[[noreturn]] void SaveForever(const std::string& file, long firstVersion, int saved)
{
    Config config;
    for (long version = firstVersion;; ++version)
    {
        Fill(config, version);
        if (config.SaveFile(file.c_str()) && write(saved, "s", 1) != 1)
            _exit(1);
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
    // The kills land anywhere within the few saves after a child's first one; how long a save
    // takes depends on the disk and the build.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i)
    {
        Config config;
        Fill(config, 0);
        ASSERT_TRUE(config.SaveFile(file.c_str()));
    }
    const auto saveTime = (std::chrono::steady_clock::now() - start) / 3;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(
        0, 3 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());
    const int kills = 300;
    for (int kill = 1; kill <= kills; ++kill)
    {
        int saved[2];
        ASSERT_EQ(0, pipe(saved));
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            close(saved[0]);
            SaveForever(file, kill * 1000000L, saved[1]);
        }
        close(saved[1]);
        char first;
        const bool childSaved = read(saved[0], &first, 1) == 1;
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        close(saved[0]);
        int status = 0;
        ASSERT_EQ(child, waitpid(child, &status, 0));
        ASSERT_TRUE(childSaved && WIFSIGNALED(status)) << "the saving process ended by itself";

        // The file is replaced in one step, never removed first.
        ASSERT_TRUE(std::filesystem::exists(file)) << "after kill " << kill;
        Config loaded;
        ASSERT_TRUE(loaded.LoadFile(file.c_str())) << "after kill " << kill;
        const long version =
            std::stol(loaded.GetRoot().GetSection("Store").GetString("Version", "-1"));
        Config expected;
        Fill(expected, version);
        ASSERT_TRUE(SameTree(expected.GetRoot(), loaded.GetRoot())) << "after kill " << kill;
        // Once a child has saved, every later file is one of its own.
        ASSERT_EQ(kill, version / 1000000L) << "after kill " << kill;
    }
}
