#include "tests/support/ScopedVariable.h"
#include "tests/ui/ProgramProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/DataFileMessages.h"
#include "app/Tallydene.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"

#include <wx/statusbr.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

ConfigText OneProject(const std::string& name)
{
    ConfigText config;
    config.Open("Application").Open("OnceActions").Value("FirstRun", 0);
    config.Close("OnceActions").Close("Application");
    config.Open("Options").Close("Options");
    config.Open("Projects").Open(name).Close(name).Close("Projects");
    config.Open("WorkingTime").Close("WorkingTime");
    return config;
}

class DataFileWindowTest : public WindowTest
{
protected:
    std::string StatusLine() { return FromWx(Frame()->GetStatusBar()->GetStatusText()); }
    std::string NewFile() const { return ConfigFile().string() + ".new"; }
};

} // namespace

// A save that cannot create its file: one message, the status line marked, no message at the
// next tick; at the end a question, and No quits leaving the file as it was.
TEST_F(DataFileWindowTest, AFailedSaveIsToldOnceAndTheEndAsksBeforeQuittingUnsaved)
{
    WriteConfig(OneProject("Kept"));
    Start();
    const std::string saved = ReadConfig();
    fs::create_directory(NewFile());
    const toolbox::FileResult failure =
        toolbox::FileResult::Failure("cannot create", NewFile(), EISDIR);

    wxTEST_DIALOG(App().UpdateTime(),
                  ExpectMessageBox(DataFileMessages::SaveFailed(failure), wxICON_ERROR, wxOK));
    EXPECT_TRUE(StatusLine().starts_with(DataFileMessages::kNotSavedStatus)) << StatusLine();
    Screenshot(*Frame(), "not-saved");
    wxTEST_DIALOG(App().UpdateTime(), ExpectDialog<wxMessageDialog>(
                                          [](wxMessageDialog& box)
                                          {
                                              ADD_FAILURE() << "a second message: "
                                                            << FromWx(box.GetMessage());
                                              return wxID_OK;
                                          })
                                          .Optional());

    CloseWindow();
    bool savedAtEnd = true;
    wxTEST_DIALOG(
        savedAtEnd = session->End(),
        ExpectMessageBox(DataFileMessages::SaveFailedAtEnd(failure), wxICON_WARNING, wxNO));
    EXPECT_FALSE(savedAtEnd);
    EndSession();
    EXPECT_EQ(saved, ReadConfig());
}

// A damaged file is named after the start with the copy loaded instead; without any readable
// copy the message says the program starts without the data.
TEST_F(DataFileWindowTest, AFileThatCannotBeReadIsToldAfterTheStart)
{
    WriteConfig(OneProject("Old"));
    fs::rename(ConfigFile(), ConfigFile().string() + ".old");
    WriteFileBytes(ConfigFile(), "");
    toolbox::Config::LoadReport report;
    report.keptAside = ConfigFile().string() + ".bad";
    report.loaded = ConfigFile().string() + ".old";
    wxTEST_DIALOG(Start(),
                  ExpectMessageBox(DataFileMessages::LoadProblems(report), wxICON_ERROR, wxOK));
    EXPECT_EQ("Old", ProjectNamed("Old").GetName());
    EXPECT_NE(DataFileMessages::LoadProblems(report).find("has kept it as\n" + report.keptAside),
              std::string::npos);
    EndSession();

    fs::remove(ConfigFile().string() + ".old");
    fs::remove(ConfigFile().string() + ".bad");
    WriteFileBytes(ConfigFile(), std::string(2048, '\0'));
    report.loaded.clear();
    const std::string none = DataFileMessages::LoadProblems(report);
    EXPECT_NE(none.find("Tallydene starts without your data"), std::string::npos);
    // The options of a first run come after the message.
    wxTEST_DIALOG(Start(), ExpectMessageBox(none, wxICON_ERROR, wxOK));
    EndSession();
}

// A file where the data folder should be: one message saying where the data is kept instead.
TEST_F(DataFileWindowTest, ADataFolderThatCannotBeMadeIsToldWithThePlaceUsedInstead)
{
    fs::create_directories(ConfigFile().parent_path().parent_path());
    WriteFileBytes(ConfigFile().parent_path(), "not a folder");
    wxTEST_DIALOG(Start(), ExpectMessageBox(DataFileMessages::DataFolderUnmade(
                                                ConfigFile().parent_path().string(),
                                                places.ProgramFolder().string()),
                                            wxICON_INFORMATION, wxOK));
    EndSession();
    EXPECT_TRUE(fs::exists(places.ProgramFolder() / "Tallydene.cfg"));
}

// The program file replaced while the program runs, as an upgrade or a rebuild does: the data
// is still saved under the program's name, never under "tallydene (deleted)".
TEST(ProgramReplacedTest, TheDataStaysWhereItWas)
{
    TestPlaces places;
    const fs::path program = places.ProgramFolder() / "tallydene";
    fs::create_directories(program.parent_path());
    fs::copy_file(TALLYDENE_BINARY_DIR "/ui/tallydene", program);
    const fs::path data = places.DataFolder() / "Brindlecott" / "Tallydene";
    fs::create_directories(data);
    WriteFileBytes(data / "tallydene.cfg", OneProject("Kept").Text());

    ProgramProcess running(places, {}, program.string());
    ASSERT_TRUE(running.started);

    // Up once its first update has saved; then the file is replaced.
    ASSERT_TRUE(
        WindowTest::PumpUntil([&] { return fs::exists(data / "tallydene.cfg.old"); }, 20000));
    fs::remove(program);
    fs::copy_file(TALLYDENE_BINARY_DIR "/ui/tallydene", program);

    // Closed as Alt+X closes it: the last save. xdotool stops halfway when the window goes
    // while it types, and the keys it held would repeat into the next test's window.
    const std::string close = "timeout 10 xdotool search --sync --onlyvisible --pid " +
                              std::to_string(running.Pid()) +
                              " --name ' - Tallydene$' windowfocus --sync %1 key alt+x 2>/dev/null;"
                              " xdotool keyup alt+x 2>/dev/null";
    int exitCode = -1;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (exitCode == -1 && std::chrono::steady_clock::now() < end)
    {
        std::system(close.c_str());
        exitCode = running.WaitForExit(200);
    }
    EXPECT_EQ(0, exitCode);
    EXPECT_FALSE(fs::exists(data / "tallydene (deleted).cfg"));
    // The first save of the run became the ".old" copy: the last one went to the same name.
    EXPECT_NE(ReadFileBytes(data / "tallydene.cfg.old").find("<MainFrame>"), std::string::npos);
}

namespace
{

std::string OutputOf(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r"))
    {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        pclose(pipe);
    }
    return output;
}

// The id of the program's visible message box (captioned "Tallydene" alone); empty when none
// shows within 20 s.
std::string MessageBoxOf(pid_t pid)
{
    const std::string id = OutputOf("timeout 20 xdotool search --sync --onlyvisible --pid " +
                                    std::to_string(pid) + " --name '^Tallydene$' 2>/dev/null");
    return id.substr(0, id.find('\n'));
}

void PressEnter(const std::string& window)
{
    std::system(("timeout 10 xdotool windowfocus --sync " + window +
                 " key Return 2>/dev/null; xdotool keyup Return 2>/dev/null")
                    .c_str());
}

} // namespace

// The real program and a data file shut away by mode 000: the file itself, its folder, or the
// folder above. Root reads any file, so the program runs as "nobody", who then owns the test's
// folders: the file stays as it is while the question is open, Yes asks again while it is
// still shut, and once mended Yes reads it and its data is what the end saves.
TEST(UnreadableFileTest, StaysUntouchedUntilMendedAndThenRead)
{
    for (const int levelsUp : {0, 1, 2})
    {
        SCOPED_TRACE(levelsUp);
        TestPlaces places;
        const fs::path data = places.DataFolder() / "Brindlecott" / "Tallydene";
        const fs::path file = data / "tallydene.cfg";
        fs::create_directories(data);
        const std::string text = OneProject("Kept").Text();
        WriteFileBytes(file, text);
        ::chmod(file.c_str(), 0600);
        const fs::path program = places.ProgramFolder() / "tallydene";
        fs::create_directories(program.parent_path());
        fs::copy_file(TALLYDENE_BINARY_DIR "/ui/tallydene", program);
        const fs::path authority = places.Root() / "Xauthority";
        if (const char* given = std::getenv("XAUTHORITY"))
            fs::copy_file(given, authority);
        ScopedVariable readable("XAUTHORITY", authority.c_str());
        RuntimeFolder(places);
        constexpr uid_t kNobody = 65534;
        ASSERT_EQ(0, ::lchown(places.Root().c_str(), kNobody, kNobody));
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(places.Root()))
            ASSERT_EQ(0, ::lchown(entry.path().c_str(), kNobody, kNobody));
        const fs::path shut = levelsUp == 0 ? file : levelsUp == 1 ? data : data.parent_path();
        const auto mended = static_cast<mode_t>(fs::status(shut).permissions() & fs::perms::all);
        ::chmod(shut.c_str(), 0);

        ProgramProcess running(
            places, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", program.string()},
            "/usr/bin/setpriv");
        ASSERT_TRUE(running.started);
        const std::string asked = MessageBoxOf(running.Pid());
        ASSERT_FALSE(asked.empty());
        PressEnter(asked);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const std::string askedAgain = MessageBoxOf(running.Pid());
        ASSERT_FALSE(askedAgain.empty());
        EXPECT_EQ(fs::perms::none, fs::status(shut).permissions() & fs::perms::all);
        EXPECT_EQ(text, ReadFileBytes(file));
        for (const char* other : {".new", ".old", ".bad"})
            EXPECT_FALSE(fs::exists(file.string() + other)) << other;
        EXPECT_FALSE(fs::exists(places.ProgramFolder() / "tallydene.cfg"));
        ::chmod(shut.c_str(), mended);
        PressEnter(askedAgain);

        // Read, the file's data runs, and the end saves it. A shut folder is asked about at
        // the lock, before the load, and the start then saves the ids the file lacked: the
        // ".old" copy is the file read or that first save.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        ASSERT_TRUE(running.Send(SIGTERM));
        EXPECT_EQ(0, running.WaitForExit(20000));
        if (levelsUp == 0)
            EXPECT_EQ(text, ReadFileBytes(data / "tallydene.cfg.old"));
        else
            EXPECT_NE(ReadFileBytes(data / "tallydene.cfg.old").find("<Kept>"), std::string::npos);
        EXPECT_NE(ReadFileBytes(file).find("<Kept>"), std::string::npos);
        EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
                  fs::status(file).permissions() & fs::perms::all);
        EXPECT_FALSE(fs::exists(data / "tallydene.cfg.bad"));
    }
}
