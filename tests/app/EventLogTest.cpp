#include "tests/app/AppScenario.h"

#include "model/Todo.h"
#include "toolbox/Places.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

class EventLogScenario : public AppScenario
{
protected:
    void StartWithLogging()
    {
        ExpectedSettings stored;
        stored.lastTimeUpdated = ClockAt(2026, 12, 6, 21, 0, 0);
        stored.loggingEnabled = true;
        stored.projects = {{"Office", 0, {{"Report", 0}}}};
        WriteConfig(stored);
    }
};

TEST_F(EventLogScenario, ARunIsLoggedBesideTheProgramInUtc)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 29, 0);
    {
        auto app = Start();
        app->UpdateTime();
        app->LogEvent("Tallydene started");
        clock.Set(2026, 12, 6, 21, 30, 5);
        app->GetProjects().Delete(&ProjectNamed(*app, "Office"));
        app->LogEvent("Deleted a project", "Office");
        clock.Set(2027, 1, 1, 0, 0, 0);
    }

    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Tallydene started") +
                  "2026-12-06 21:30:05 : Deleted a project: Office\r\n" +
                  LogLine("2027-01-01 00:00:00", "Tallydene ended"),
              ReadFileBytes(LogFile()));

    // The next run appends.
    clock.Set(2027, 1, 2, 8, 0, 0);
    {
        auto app = Start();
        app->LogEvent("Set actual working time", "-3600");
        app->SkipShutdownSteps();
    }
    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Tallydene started") +
                  LogLine("2026-12-06 21:30:05", "Deleted a project", "Office") +
                  LogLine("2027-01-01 00:00:00", "Tallydene ended") +
                  LogLine("2027-01-02 08:00:00", "Set actual working time", "-3600"),
              ReadFileBytes(LogFile()));
}

TEST_F(EventLogScenario, WithLoggingOffNoFileIsMade)
{
    clock.Set(2026, 12, 6, 21, 29, 0);
    {
        auto app = Start();
        app->LogEvent("Tallydene started");
        app->LogEvent("Deleted a project", "Office");
    }
    EXPECT_FALSE(fs::exists(LogFile()));
    EXPECT_FALSE(fs::exists(DataFolder() / "Tallydene.log"));
}

TEST_F(EventLogScenario, TheLogIsNamedAfterTheProgramUpToItsFirstDot)
{
    StartWithLogging();
    toolbox::Places::SetProgramPath(
        toolbox::String((ProgramFolder() / "Tally.dene").string().c_str()));
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = std::make_unique<Tallydene>(clock, ',');
    app->GetOptions().SetLoggingEnabled(true);
    app->LogEvent("Paused");
    app->SkipShutdownSteps();

    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Paused"),
              ReadFileBytes(ProgramFolder() / "Tally.log"));
}

// Where the log beside the program cannot be opened for appending (an installed program's
// folder, or here a folder in the log's place, which even the superuser cannot append to),
// the line goes into the data folder instead of being lost.
TEST_F(EventLogScenario, ALogThatCannotBeWrittenBesideTheProgramGoesToTheDataFolder)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = Start();
    fs::create_directory(LogFile());

    app->LogEvent("Activated a todo", "Report");
    fs::remove(LogFile());
    app->LogEvent("Paused");

    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Activated a todo", "Report"),
              ReadFileBytes(DataFolder() / "Tallydene.log"));
    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Paused"), ReadFileBytes(LogFile()));
}

TEST_F(EventLogScenario, ADataFolderRemovedDuringTheRunIsMadeAgainForTheLog)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = Start();
    fs::create_directory(LogFile());
    fs::remove_all(DataFolder().parent_path());

    app->LogEvent("Paused");

    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Paused"),
              ReadFileBytes(DataFolder() / "Tallydene.log"));
}

TEST_F(EventLogScenario, TheEndOfARunBooksTheLastMinutesAndSavesEvenWithoutAutoSave)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 0, 0);
    {
        auto app = Start();
        app->GetOptions().SetAutoSaveEnabled(false);
        app->Activate(TodoNamed(*app, "Office", "Report"));
        clock.Set(2026, 12, 6, 21, 7, 0);
    }

    ExpectedSettings expected;
    expected.lastTimeUpdated = ClockAt(2026, 12, 6, 21, 7, 0);
    expected.actual = 420;
    expected.autoSaveEnabled = false;
    expected.loggingEnabled = true;
    expected.projects = {{"Office", 420, {{"Report", 420}}}};
    EXPECT_EQ(ExpectedConfigFile(expected, SavedConfig()), SavedConfig());
    EXPECT_EQ(LogLine("2026-12-06 21:07:00", "Tallydene ended"), ReadFileBytes(LogFile()));
}

TEST_F(EventLogScenario, ACopyStoppedAtTheInstanceCheckBooksAndLogsNothing)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 30, 0);
    {
        auto second = Start(false);
        second->SkipShutdownSteps();
    }
    EXPECT_FALSE(fs::exists(LogFile()));
    ExpectedSettings unchanged;
    unchanged.lastTimeUpdated = ClockAt(2026, 12, 6, 21, 0, 0);
    unchanged.loggingEnabled = true;
    unchanged.projects = {{"Office", 0, {{"Report", 0}}}};
    // As written, without the ids a save would have added.
    EXPECT_EQ(ExpectedConfigFile(unchanged), SavedConfig());
}

// A name holding line ends or other control characters cannot start a line of its own that
// reads like an event.
TEST_F(EventLogScenario, ControlCharactersInNamesAreEscaped)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = Start();
    app->LogEvent("Created a new todo",
                  "Evil\r\n2026-12-06 21:29:00 : Deleted a project: Office\t\x01\x1f end");
    app->LogEvent("Paused\n");
    app->SkipShutdownSteps();
    EXPECT_EQ("2026-12-06 21:29:00 : Created a new todo: Evil\\r\\n2026-12-06 21:29:00 : Deleted "
              "a project: Office\\t\\x01\\x1F end\r\n2026-12-06 21:29:00 : Paused\\n\r\n",
              ReadFileBytes(LogFile()));
}

#ifndef _WIN32
// Linux only: Windows has no named pipe in a folder (mkfifo).
// A pipe in the log's place, with or without a reader, neither holds the program up nor
// takes the line: it goes to the data folder as for any log that cannot be written.
TEST_F(EventLogScenario, APipeInTheLogsPlaceNeitherBlocksNorTakesTheLine)
{
    StartWithLogging();
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = Start();
    ASSERT_EQ(0, ::mkfifo(LogFile().c_str(), 0600));
    for (bool withReader : {false, true})
    {
        const int reader = withReader ? ::open(LogFile().c_str(), O_RDONLY | O_NONBLOCK) : -1;
        auto logged = std::async(std::launch::async, [&] { app->LogEvent("Paused"); });
        const bool returned = logged.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        // A writer stuck in open is freed by a reader, so that the test can end.
        const int release = returned ? -1 : ::open(LogFile().c_str(), O_RDONLY | O_NONBLOCK);
        logged.wait();
        for (int descriptor : {reader, release})
            if (descriptor >= 0)
                ::close(descriptor);
        EXPECT_TRUE(returned) << (withReader ? "with a reader" : "without a reader");
    }
    app->SkipShutdownSteps();
    EXPECT_EQ(LogLine("2026-12-06 21:29:00", "Paused") + LogLine("2026-12-06 21:29:00", "Paused"),
              ReadFileBytes(DataFolder() / "Tallydene.log"));
}
#endif

#ifndef _WIN32
// Linux only: POSIX modes; a file on Windows takes the access of its folder.
// The journal and the event log hold the names of the user's work: a data file closed to others
// closes them too, a log made open before included, and their owner keeps reading them.
TEST_F(EventLogScenario, TheJournalAndTheLogAreClosedAsTheDataFileIs)
{
    StartWithLogging();
    ::chmod(ConfigFile().c_str(), 0640);
    WriteFileBytes(LogFile(), "");
    ::chmod(LogFile().c_str(), 0666);
    clock.Set(2026, 12, 6, 21, 29, 0);
    auto app = Start();
    app->Activate(TodoNamed(*app, "Office", "Report"));
    app->LogEvent("Tallydene started");
    const auto mode = [](const fs::path& file)
    { return fs::status(file).permissions() & fs::perms::all; };
    const fs::perms closed = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    EXPECT_EQ(closed, mode(JournalPath()));
    EXPECT_EQ(closed, mode(LogFile()));
    app->SkipShutdownSteps();
}
#endif
