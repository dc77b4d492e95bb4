#include "toolbox/Logger.h"
#include "toolbox/Config.h"
#include "toolbox/Exception.h"
#include "toolbox/Places.h"

#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <memory>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using toolbox::Logger;

namespace
{

class FakeClock : public Logger::Clock
{
public:
    int64_t TickMilliseconds() const override { return tick; }
    std::time_t UtcNow() const override { return utc; }

    int64_t tick = 5'000'000;
    std::time_t utc = 1'769'847'302; // 2026-01-31 08:15:02 UTC
};

class LoggerTest : public testing::Test
{
protected:
    LoggerTest() { places.SetEnvironment("TZ", "UTC0"); }

    std::filesystem::path LogFile() const { return places.DocumentsFolder() / "Tallydene.log"; }
    std::string LogText() const { return ReadFileBytes(LogFile()); }
    std::unique_ptr<Logger> MakeLogger(const std::vector<std::string>& arguments)
    {
        places.SetArguments(arguments);
        return std::make_unique<Logger>(clock);
    }

    TestPlaces places;
    FakeClock clock;
};

const std::string separator =
    "\r\n-------------------------------------------------------------------------------\r\n";

} // namespace

TEST_F(LoggerTest, WithoutTheSwitchOnlyErrorsAndWorseOpenTheFile)
{
    auto logger = MakeLogger({});
    EXPECT_EQ(logger->GetPath().c_str(), LogFile().string());
    logger->Log("here", 1, Logger::kLevelWarn, "a warning");
    logger.reset();
    EXPECT_FALSE(std::filesystem::exists(LogFile()));

    logger = MakeLogger({});
    logger->Log("here", 2, Logger::kLevelError, "an error %d", 42);
    logger.reset();
    EXPECT_EQ(LogText(),
              separator + "[2026-01-31 08:15:02 (T+0.000)] Error (here:2) an error 42\r\n");
}

TEST_F(LoggerTest, InfoRunHasSeparatorStartAndEndLines)
{
    MakeLogger({"/log", "info"}).reset();
    const std::regex expected(separator +
                              "\\[2026-01-31 08:15:02 \\(T\\+0\\.000\\)\\] Info "
                              "\\(toolbox::Logger::Logger:[0-9]+\\) Logger initialized\r\n"
                              "\\[2026-01-31 08:15:02 \\(T\\+0\\.000\\)\\] Info "
                              "\\(toolbox::Logger::~Logger:[0-9]+\\) Shutting down logger\r\n");
    EXPECT_TRUE(std::regex_match(LogText(), expected)) << LogText();

    // A later run appends its own part and keeps the earlier one.
    const std::string first = LogText();
    auto logger = MakeLogger({});
    logger->Log("again", 3, Logger::kLevelFatal, "x");
    logger.reset();
    EXPECT_EQ(LogText(),
              first + separator + "[2026-01-31 08:15:02 (T+0.000)] Fatal (again:3) x\r\n");
}

TEST_F(LoggerTest, LevelWordsSetTheThreshold)
{
    struct Case
    {
        std::vector<std::string> arguments;
        int32_t threshold;
    };
    for (const Case& run : std::vector<Case>{
             {{"/log", "DEBUG"}, Logger::kLevelDebug},
             {{"/log", "Exception"}, Logger::kLevelException},
             {{"/log", "fatal"}, Logger::kLevelFatal},
             {{"/log", "verbose"}, Logger::kLevelNothing},
             {{"/log", "info", "/log", "warn"}, Logger::kLevelWarn},
             {{"-log", "debug"}, Logger::kLevelError},
             {{"/LOG", "debug"}, Logger::kLevelError},
             {{"/log"}, Logger::kLevelError},
         })
    {
        EXPECT_EQ(MakeLogger(run.arguments)->GetThreshold(), run.threshold)
            << run.arguments[0] << " " << run.arguments.back();
    }
    std::filesystem::remove(LogFile());

    // An unknown word keeps out everything, even the worst.
    auto logger = MakeLogger({"/log", "verbose"});
    logger->Log("here", 1, Logger::kLevelFatal, "lost");
    logger->Log("here", 1, 100, "lost too");
    logger.reset();
    EXPECT_FALSE(std::filesystem::exists(LogFile()));

    // DEBUG lets debug lines through.
    logger = MakeLogger({"/log", "DEBUG"});
    logger->Log("here", 7, Logger::kLevelDebug, "seen");
    logger->Log("here", 8, 0, "below every level");
    logger->Log("here", 9, 200, "above every level");
    logger.reset();
    EXPECT_NE(LogText().find("] Debug (here:7) seen\r\n"), std::string::npos);
    EXPECT_EQ(LogText().find("below every level"), std::string::npos);
    EXPECT_NE(LogText().find("] Unknown (here:9) above every level\r\n"), std::string::npos);
}

TEST_F(LoggerTest, StampsCountFromCreationInLocalStandardTime)
{
    places.SetEnvironment("TZ", "EST5EDT"); // in July daylight saving is on, and ignored
    clock.utc = 1'782'907'200;              // 2026-07-01 12:00:00 UTC
    auto logger = MakeLogger({});
    clock.tick += 1234;
    logger->Log("here", 1, Logger::kLevelError, "one");
    clock.tick -= 1229;
    clock.utc += 61;
    logger->Log("here", 2, Logger::kLevelError, "two");
    logger.reset();
    EXPECT_EQ(LogText(), separator + "[2026-07-01 07:00:00 (T+1.234)] Error (here:1) one\r\n" +
                             "[2026-07-01 07:01:01 (T+0.005)] Error (here:2) two\r\n");
}

TEST_F(LoggerTest, PlaceFromAfterItsLastBackslashAndLineEndsInMessages)
{
    auto logger = MakeLogger({});
    logger->Log("C:\\src\\toolbox\\Config.cpp", 12, Logger::kLevelError, "first\nsecond\n");
    logger->Log("toolbox/Config.cpp\\", 13, Logger::kLevelError, "%s", "100% sure");
    logger.reset();
    EXPECT_EQ(LogText(), separator +
                             "[2026-01-31 08:15:02 (T+0.000)] Error (Config.cpp:12) first\r\n"
                             "second\r\n\r\n"
                             "[2026-01-31 08:15:02 (T+0.000)] Error (:13) 100% sure\r\n");
}

TEST_F(LoggerTest, ExceptionsAndConfigurationReportsWriteTheirLines)
{
    auto logger = MakeLogger({});
    try
    {
        throw toolbox::EIllegalState("no way", "C:\\src\\Somewhere.cpp", 77);
    }
    catch (const toolbox::EIllegalState&)
    {
    }
    try
    {
        throw toolbox::EOutOfMemory();
    }
    catch (const toolbox::EOutOfMemory&)
    {
    }
    const std::filesystem::path unreadable = places.Root() / "broken.cfg";
    WriteFileBytes(unreadable, "text at the top level\r\n");
    toolbox::Config config;
    EXPECT_FALSE(config.LoadFile(unreadable.string().c_str()));
    logger.reset();
    const std::string text = LogText();
    EXPECT_EQ(text.find(separator + "[2026-01-31 08:15:02 (T+0.000)] Exception (Somewhere.cpp:77) "
                                    "EIllegalState.\r\nMessage: no way\r\n"
                                    "[2026-01-31 08:15:02 (T+0.000)] Error (toolbox::Config::"),
              0u)
        << text;
    EXPECT_NE(text.find(unreadable.string()), std::string::npos) << text;

    // With no logger alive, nothing is written anywhere.
    std::filesystem::remove(LogFile());
    EXPECT_THROW(throw toolbox::EIllegalArgument("lost", "place", 1), toolbox::EIllegalArgument);
    EXPECT_FALSE(config.LoadFile(unreadable.string().c_str()));
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
}

TEST_F(LoggerTest, OpenFileIsLockedAgainstASecondLogger)
{
    auto first = MakeLogger({});
    first->Log("first", 1, Logger::kLevelError, "kept");
    {
        Logger second(clock);
        second.Log("second", 1, Logger::kLevelError, "lost while the first holds the file");
    }
    first.reset();
    EXPECT_EQ(LogText(), separator + "[2026-01-31 08:15:02 (T+0.000)] Error (first:1) kept\r\n");
}

TEST_F(LoggerTest, LogFileFallsBackToTheProgramFolder)
{
    WriteFileBytes(places.Root() / "plain", "x");
    places.SetEnvironment("XDG_DOCUMENTS_DIR", (places.Root() / "plain" / "docs").string());
#ifdef _WIN32
    // Windows asks the shell for the documents folder, not the environment.
    toolbox::Places::SetFolders(
        toolbox::String(places.DataFolder().string().c_str()),
        toolbox::String((places.Root() / "plain" / "docs").string().c_str()));
#endif
    auto logger = MakeLogger({});
    EXPECT_EQ(logger->GetPath().c_str(), (places.ProgramFolder() / "Tallydene.log").string());
}

TEST_F(LoggerTest, ProgramPathWithoutFileNameIsIllegalArgument)
{
    places.SetProgramPath("/");
    try
    {
        Logger logger(clock);
        ADD_FAILURE() << "no exception";
    }
    catch (const toolbox::EIllegalArgument& failure)
    {
        EXPECT_STREQ(failure.GetMessage(), "__argv[0] contains an illegal program path");
        EXPECT_STREQ(failure.GetFile(), "toolbox::Logger::Logger");
    }
}

#ifndef _WIN32
// Linux only: Windows has no named pipe in a folder (mkfifo).
// A pipe in the log file's place never holds the program up, and gets nothing.
TEST_F(LoggerTest, APipeInTheFilesPlaceNeitherBlocksNorIsWritten)
{
    std::filesystem::create_directories(LogFile().parent_path());
    ASSERT_EQ(0, ::mkfifo(LogFile().c_str(), 0600));
    auto logger = MakeLogger({});
    auto logged = std::async(std::launch::async,
                             [&] { logger->Log("here", 1, Logger::kLevelError, "an error"); });
    const bool returned = logged.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    const int release = returned ? -1 : ::open(LogFile().c_str(), O_RDONLY | O_NONBLOCK);
    logged.wait();
    if (release >= 0)
        ::close(release);
    EXPECT_TRUE(returned);
}
#endif

#ifndef _WIN32
// Linux only: POSIX modes; a file on Windows takes the access of its folder.
// The log follows the data file's permissions, whether it opens before or after it is told.
TEST_F(LoggerTest, TheFileIsClosedAsTheDataFileIs)
{
    const std::filesystem::path data = places.DataFolder() / "Tallydene.cfg";
    std::filesystem::create_directories(data.parent_path());
    WriteFileBytes(data, "");
    ::chmod(data.c_str(), 0600);
    const auto mode = [&]
    { return std::filesystem::status(LogFile()).permissions() & std::filesystem::perms::all; };
    const auto ownerOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    for (const bool openFirst : {true, false})
    {
        SCOPED_TRACE(openFirst ? "open first" : "told first");
        std::filesystem::remove(LogFile());
        auto logger = MakeLogger({});
        if (openFirst)
            logger->Log("here", 1, Logger::kLevelError, "an error");
        logger->FollowPermissionsOf(data.string());
        logger->Log("here", 2, Logger::kLevelError, "an error");
        EXPECT_EQ(ownerOnly, mode());
    }
}
#endif
