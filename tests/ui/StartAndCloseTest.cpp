#include "tests/ui/DesktopProcess.h"
#include "tests/ui/ProgramProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Todo.h"
#include "toolbox/Exception.h"
#include "toolbox/Logger.h"
#include "ui/FatalError.h"
#include "ui/MainFrame.h"

#include <wx/utils.h>

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <thread>

extern char** environ;

namespace
{

constexpr const char* kActiveTodoQuestion =
    "You have an active todo. Ending Tallydene will\nstop the todo's clock. Are you sure to quit?";
constexpr const char* kOpenTodosQuestion = "You have open todos. Are you sure to quit?";

ConfigText TwoTodos(int firstTime, int secondTime)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Close("Options");
    config.Open("Projects").Open("P").Open("Todos");
    config.Todo("One", 2, firstTime).Todo("Two", 2, secondTime);
    config.Close("Todos").Close("P").Close("Projects");
    return config;
}

class CloseTest : public WindowTest
{
};

TEST_F(CloseTest, PausedWithEveryTodoAtZeroClosesWithoutAQuestion)
{
    WriteConfig(TwoTodos(0, 17)); // 17 seconds show as nothing in hours and minutes
    Start();
    // Any question would be answered No and keep the window open.
    wxTEST_DIALOG(CloseWindow(), wxExpectAny(wxID_NO).Optional());
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(CloseTest, AnActiveTodoAsksTwiceAndNoToEitherKeepsRunning)
{
    WriteConfig(TwoTodos(0, 0));
    Start();
    App().Activate(TodoNamed("P", "One"));

    wxTEST_DIALOG(CloseWindow(), ExpectMessageBox(kActiveTodoQuestion, wxICON_QUESTION, wxNO));
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(App().GetActiveTodo(), &TodoNamed("P", "One"));

    // The active todo at zero is not open: Yes closes at once.
    wxTEST_DIALOG(CloseWindow(), ExpectMessageBox(kActiveTodoQuestion, wxICON_QUESTION, wxYES));
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(CloseTest, OpenTodosAskAfterTheActiveTodo)
{
    WriteConfig(TwoTodos(0, 600));
    Start();
    App().Activate(TodoNamed("P", "One"));

    wxTEST_DIALOG(CloseWindow(), ExpectMessageBox(kActiveTodoQuestion, wxICON_QUESTION, wxYES),
                  ExpectMessageBox(kOpenTodosQuestion, wxICON_QUESTION, wxNO));
    ASSERT_NE(Frame(), nullptr);

    App().Pause();
    wxTEST_DIALOG(CloseWindow(), ExpectMessageBox(kOpenTodosQuestion, wxICON_QUESTION, wxYES));
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(CloseTest, AnAbandonedRunWritesNothing)
{
    WriteConfig(TwoTodos(0, 600));
    Start();
    const std::string before = ReadConfig(); // as the first clock update saved it
    App().Activate(TodoNamed("P", "One"));
    TodoNamed("P", "Two").SetTime(0);

    session->Abandon();
    App().UpdateTime(); // its automatic save is abandoned too
    EndSession();
    EXPECT_EQ(ReadConfig(), before);
}

TEST_F(CloseTest, AFoundationExceptionAtTheTopIsShownLoggedAndEndsTheRunUnsaved)
{
    WriteConfig(TwoTodos(0, 600));
    Start();
    const std::string before = ReadConfig();
    App().Activate(TodoNamed("P", "One"));

    const auto failure = std::make_exception_ptr(
        toolbox::EIllegalArgument("Formatted string requires too much space (>512MB)",
                                  "toolbox::String::FormatFromVargs", 0));
    bool ended = false;
    wxTEST_DIALOG(ended = EndOnFatalError(failure, session.get()),
                  ExpectMessageBox("EIllegalArgument.\nMessage: Formatted string requires too "
                                   "much space (>512MB)\nPlace: toolbox::String::FormatFromVargs:0",
                                   wxICON_ERROR, wxOK));
    EXPECT_TRUE(ended);
    EndSession();
    EXPECT_EQ(ReadConfig(), before);
    const std::string log = ReadFileBytes(toolbox::Logger::Global().GetPath().c_str());
    EXPECT_NE(log.find("Fatal (EndOnFatalError:"), std::string::npos) << log;
    EXPECT_NE(log.find("Formatted string requires too much space"), std::string::npos);

    // Anything else is not the program's to judge.
    EXPECT_FALSE(EndOnFatalError(std::make_exception_ptr(std::runtime_error("x")), nullptr));
}

TEST(FatalErrorTest, NamesTheExceptionItsMessageAndPlace)
{
    const toolbox::EIllegalState state("The __argv[0] does not denote a valid path",
                                       "toolbox::Path::CreateApplicationLikePathInternal", 0);
    EXPECT_EQ(FatalErrorText(state),
              "EIllegalState.\nMessage: The __argv[0] does not denote a valid path\n"
              "Place: toolbox::Path::CreateApplicationLikePathInternal:0");
    EXPECT_EQ(FatalErrorText(toolbox::EOutOfMemory()), "EOutOfMemory.");
}

// The windows of the program that are on the screen now, by their ids.
std::string VisibleMainWindows()
{
    return CommandOutput("xdotool search --onlyvisible --name ' - Tallydene$'");
}

TEST(SingleInstanceTest, ASecondCopyShowsTheFirstsWindowAndEndsWithoutWriting)
{
    WindowManager windowManager;
    TestPlaces places;
    ConfigText config;
    config.Open("Projects").Open("Kept").Close("Kept").Close("Projects");
    const auto file = places.DataFolder() / "Brindlecott" / "Tallydene" / "tallydene.cfg";
    std::filesystem::create_directories(file.parent_path());
    WriteFileBytes(file, config.Text());
    // A lock left in the data folder by an older version, naming a process that now exists.
    WriteFileBytes(file.parent_path() / "Tallydene", std::string("1\0", 2));

    // "/log" with its level word is the program's own switch; the toolkit must not refuse it.
    ProgramProcess first(places, {"/log", "info"});
    ASSERT_TRUE(first.started);
    // The first copy is up once its first clock update has saved the file.
    ASSERT_TRUE(WindowTest::PumpUntil(
        [&] { return ReadFileBytes(file).find("<MainFrame>") != std::string::npos; }, 20000));
    ASSERT_TRUE(WindowTest::PumpUntil([] { return !VisibleMainWindows().empty(); }));
    const std::string window = VisibleMainWindows();
    CommandOutput("xdotool windowminimize " + window);
    ASSERT_TRUE(WindowTest::PumpUntil([] { return VisibleMainWindows().empty(); }));
    WindowTest::Pump(500); // the first copy learns that it is minimised

    // The first copy saves next a minute after its start, so whatever changes now is the
    // second's doing.
    const std::string running = ReadFileBytes(file);
    ProgramProcess second(places);
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.WaitForExit(20000), 0);
    EXPECT_EQ(ReadFileBytes(file), running) << "the second copy must not write";
    EXPECT_TRUE(WindowTest::PumpUntil([] { return !VisibleMainWindows().empty(); }))
        << "the first copy's window is back";
    EXPECT_EQ(first.WaitForExit(500), -1) << "the first copy must go on";
    // The diagnostic log of the first copy shows that its switch was read.
    EXPECT_TRUE(std::filesystem::exists(places.DocumentsFolder() / "tallydene.log"));
}

TEST(SingleInstanceTest, ALockLeftByAnEndedCopyDoesNotKeepTheNextOut)
{
    TestPlaces places;
    const auto file = places.DataFolder() / "Brindlecott" / "Tallydene" / "tallydene.cfg";
    {
        ProgramProcess killed(places);
        ASSERT_TRUE(killed.started);
        // The lock file names the socket once the copy listens.
        ASSERT_TRUE(WindowTest::PumpUntil(
            [&] { return !ReadFileBytes(file.parent_path() / "tallydene.lock").empty(); }, 20000));
    } // killed with SIGKILL: its lock file and socket stay behind
    ASSERT_TRUE(std::filesystem::exists(file.parent_path() / "tallydene.lock"));

    ProgramProcess next(places);
    ASSERT_TRUE(next.started);
    EXPECT_TRUE(WindowTest::PumpUntil([] { return !VisibleMainWindows().empty(); }, 20000));
    EXPECT_EQ(next.WaitForExit(500), -1) << "the next copy runs";
}

// Without a runtime folder, a temporary folder named for the user that others may write into
// is not used for the socket: a private one beside it is. A copy started with a runtime folder
// still finds the running copy through the lock file.
TEST(SingleInstanceTest, WithoutRuntimeFolderTheSocketShunsAFolderOthersMayWrite)
{
    TestPlaces places;
    const auto temporary = places.Root() / "tmp";
    const auto hostile = temporary / ("tallydene-" + std::to_string(getuid()));
    std::filesystem::create_directories(hostile);
    std::filesystem::permissions(hostile, std::filesystem::perms::all);
    const auto lock = places.DataFolder() / "Brindlecott" / "Tallydene" / "tallydene.lock";

    ProgramProcess first(places, {}, TALLYDENE_BINARY_DIR "/ui/tallydene",
                         {{"XDG_RUNTIME_DIR", std::nullopt}, {"TMPDIR", temporary.string()}});
    ASSERT_TRUE(first.started);
    ASSERT_TRUE(WindowTest::PumpUntil([&] { return !ReadFileBytes(lock).empty(); }, 20000));
    const std::string socket = ReadFileBytes(lock).substr(0, ReadFileBytes(lock).find('\n'));
    const std::string folder = std::filesystem::path(socket).parent_path().string();
    EXPECT_EQ(folder.rfind(hostile.string() + "-", 0), 0u) << socket;
    struct stat info = {};
    ASSERT_EQ(lstat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ProgramProcess second(places);
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.WaitForExit(20000), 0);
    EXPECT_EQ(first.WaitForExit(500), -1) << "the first copy goes on";
    EXPECT_TRUE(std::filesystem::is_empty(hostile));
}

// Until the data is loaded nothing is written, so a signal then ends the program at once, as it
// does by default, rather than after a long load and start.
TEST(SingleInstanceTest, ASignalWhileTheDataLoadsEndsTheProgramAtOnce)
{
    TestPlaces places;
    const auto folder = places.DataFolder() / "Brindlecott" / "Tallydene";
    std::filesystem::create_directories(folder);
    std::string text = "<Projects>\r\n";
    for (int i = 0; i < 300000; ++i)
    {
        const std::string name = "Project " + std::to_string(i);
        text += "\t<" + name + ">\r\n\t\t<TotalTime>60</TotalTime>\r\n\t</" + name + ">\r\n";
    }
    text += "</Projects>\r\n";
    WriteFileBytes(folder / "tallydene.cfg", text);

    ProgramProcess running(places);
    ASSERT_TRUE(running.started);
    // The lock, with the socket's place, is taken just before the load.
    ASSERT_TRUE(WindowTest::PumpUntil(
        [&] { return !ReadFileBytes(folder / "tallydene.lock").empty(); }, 20000));
    // Well into the load, which takes seconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(running.Send(SIGTERM));
    EXPECT_EQ(running.WaitForExit(3000), 128 + SIGTERM);
    EXPECT_EQ(ReadFileBytes(folder / "tallydene.cfg"), text);
}

// The program's clock value of this moment: seconds since 31 December 1989, 00:00:00 UTC.
int32_t ClockValueNow()
{
    return static_cast<int32_t>(std::time(nullptr) - 631065600);
}

struct EndingSignal
{
    int signal;
    bool autoSave;
    bool firstRun; // its dialogs are open when the signal comes
};

class EndBySignalTest : public testing::TestWithParam<EndingSignal>
{
};

TEST_P(EndBySignalTest, EndsAsClosingDoesWithoutQuestions)
{
    TestPlaces places;
    ConfigText config;
    config.Open("Application").Value("LastTimeUpdated", ClockValueNow() - 3600);
    if (!GetParam().firstRun)
        config.Open("OnceActions").Value("FirstRun", 0).Close("OnceActions");
    config.Close("Application").Open("Options").Value("AutoSaveEnabled", GetParam().autoSave);
    config.Value("LoggingEnabled", 1).Close("Options");
    // An open todo would make closing ask; a question left open would keep the program running.
    config.Open("Projects").Open("P").Open("Todos").Todo("Open", 2, 7200);
    config.Close("Todos").Close("P").Close("Projects");
    const auto file = places.DataFolder() / "Brindlecott" / "Tallydene" / "tallydene.cfg";
    std::filesystem::create_directories(file.parent_path());
    WriteFileBytes(file, config.Text());
    // A copy of the program, so that the event log beside it is the test's own.
    const auto program = places.ProgramFolder() / "tallydene";
    std::filesystem::copy_file(TALLYDENE_BINARY_DIR "/ui/tallydene", program);
    const auto log = places.ProgramFolder() / "tallydene.log";

    ProgramProcess running(places, {}, program.string());
    ASSERT_TRUE(running.started);
    ASSERT_TRUE(WindowTest::PumpUntil(
        [&] { return ReadFileBytes(log).find("Tallydene started") != std::string::npos; }, 20000));
    // A second later, so that the last clock update shows in the file.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const int32_t signalled = ClockValueNow();
    ASSERT_TRUE(running.Send(GetParam().signal));

    EXPECT_EQ(running.WaitForExit(20000), 0);
    const std::string saved = ReadFileBytes(file);
    const std::string key = "<LastTimeUpdated>";
    ASSERT_NE(saved.find(key), std::string::npos);
    EXPECT_GE(std::atoi(saved.c_str() + saved.find(key) + key.size()), signalled) << saved;
    EXPECT_TRUE(ReadFileBytes(log).ends_with(" : Tallydene ended\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Signals, EndBySignalTest,
    testing::Values(EndingSignal{SIGTERM, true, false}, EndingSignal{SIGTERM, false, false},
                    EndingSignal{SIGINT, true, false}, EndingSignal{SIGINT, false, false},
                    EndingSignal{SIGHUP, true, false}, EndingSignal{SIGHUP, false, false},
                    EndingSignal{SIGTERM, false, true}),
    [](const testing::TestParamInfo<EndingSignal>& info)
    {
        return std::string(sigabbrev_np(info.param.signal)) +
               (info.param.autoSave ? "AutoSave" : "NoAutoSave") +
               (info.param.firstRun ? "FirstRun" : "");
    });

} // namespace

// The start's save of the whole file comes after the window is drawn, so the user does not
// wait for it; it does come, without any tick or command.
TEST_F(CloseTest, TheStartSavesOnceTheWindowIsDrawn)
{
    WriteConfig(TwoTodos(0, 600));
    const std::string written = ReadConfig();
    session = std::make_unique<AppSession>(clock);
    MainFrame& frame = session->Start();
    EXPECT_EQ(ReadConfig(), written) << "saved before the window was drawn";
    EXPECT_TRUE(PumpUntil([&] { return ReadConfig() != written; }));
    EXPECT_TRUE(frame.IsShownOnScreen());
}
