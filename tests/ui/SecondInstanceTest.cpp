#include "tests/ui/ProgramProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "ui/InstanceLock.h"
#include "ui/SecondInstance.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// The data folder the program uses in the test's places.
std::filesystem::path DataFolderOf(const TestPlaces& places)
{
    const std::filesystem::path folder = places.DataFolder() / "Brindlecott" / "Tallydene";
    std::filesystem::create_directories(folder);
    return folder;
}

// A connection to the socket, not yet sending anything; -1 when the connection is refused.
int Connect(const std::string& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int channel = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (connect(channel, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return channel;
    close(channel);
    return -1;
}

// This test process plays the running copy: it holds the single-instance lock of the test's
// data folder and answers later copies with its window.
class SecondInstance : public WindowTest
{
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            runtimeBefore = old;
        setenv("XDG_RUNTIME_DIR", RuntimeFolder(places).c_str(), 1);
        lock.emplace(DataFolderOf(places).string(),
                     [this](InstanceLock::Request request)
                     {
                         requests.push_back(request);
                         AnswerSecondInstance(Frame(), request);
                     });
        ASSERT_EQ(lock->Acquire(), InstanceLock::Outcome::Held);
    }
    void TearDown() override
    {
        lock.reset();
        WindowTest::TearDown();
        if (runtimeBefore)
            setenv("XDG_RUNTIME_DIR", runtimeBefore->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

    // Sends a line to the running copy's socket as a later copy would; gives its answer.
    std::string Ask(const std::string& line)
    {
        const int channel = Connect(lock->SocketPath());
        EXPECT_GE(channel, 0);
        EXPECT_EQ(send(channel, line.data(), line.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(line.size()));
        std::string answer;
        PumpUntil(
            [&]
            {
                char buffer[32];
                const ssize_t got = recv(channel, buffer, sizeof buffer, 0);
                if (got > 0)
                    answer.append(buffer, static_cast<size_t>(got));
                return got == 0; // the running copy has closed the channel
            },
            3000);
        close(channel);
        return answer;
    }

    std::optional<std::string> runtimeBefore;
    std::optional<InstanceLock> lock;
    std::vector<InstanceLock::Request> requests;
};

} // namespace

TEST_F(SecondInstance, StartedWithPauseItPausesTheRunningCopyAndEnds)
{
    ConfigText config;
    config.Open("Projects").Open("Home").Open("Todos").Todo("Garden", 2, 0);
    config.Close("Todos").Close("Home").Close("Projects");
    WriteConfig(config);
    Start();
    App().Activate(TodoNamed("Home", "Garden"));
    ASSERT_EQ(FromWx(Frame()->GetTitle()), "Garden - Tallydene");

    ProgramProcess second(places, {"--pause"});
    ASSERT_TRUE(second.started);
    EXPECT_TRUE(PumpUntil([&] { return App().GetActiveTodo() == nullptr; }, 20000));
    EXPECT_EQ(FromWx(Frame()->GetTitle()), "Paused - Tallydene");
    EXPECT_EQ(second.WaitForExit(20000), 0);
    EXPECT_EQ(requests, std::vector{InstanceLock::Request::Pause});
}

TEST_F(SecondInstance, OnlyTheKnownRequestsAreAnswered)
{
    Start();
    EXPECT_EQ(Ask("pause\n"), "Tallydene\n");
    EXPECT_EQ(Ask("show\n"), "Tallydene\n");
    EXPECT_EQ(Ask("quit\n"), "");
    EXPECT_EQ(Ask("pause"), ""); // no whole line
    EXPECT_EQ(Ask("pausepause\n"), "");
    EXPECT_EQ(requests, (std::vector{InstanceLock::Request::Pause, InstanceLock::Request::Show}));
}

// The lock is the data folder's: a copy started with another runtime folder, or with none and a
// temporary folder where another user took the program's name first, still finds the running
// copy and asks it to show itself.
TEST_F(SecondInstance, CopiesWithOtherRuntimeFoldersFindTheRunningCopy)
{
    Start();
    const std::filesystem::path hostile =
        places.Root() / "tmp" / ("tallydene-" + std::to_string(getuid()));
    std::filesystem::create_directories(hostile);
    std::filesystem::permissions(hostile, std::filesystem::perms::all);
    const std::filesystem::path otherRuntime = places.Root() / "other-runtime";
    std::filesystem::create_directories(otherRuntime);
    std::filesystem::permissions(otherRuntime, std::filesystem::perms::owner_all);
    const EnvironmentChanges starts[] = {
        {{"XDG_RUNTIME_DIR", otherRuntime.string()}},
        {{"XDG_RUNTIME_DIR", std::nullopt}, {"TMPDIR", (places.Root() / "tmp").string()}},
    };
    for (const EnvironmentChanges& changes : starts)
    {
        requests.clear();
        ProgramProcess later(places, {}, TALLYDENE_BINARY_DIR "/ui/tallydene", changes);
        ASSERT_TRUE(later.started);
        EXPECT_TRUE(PumpUntil([&] { return !requests.empty(); }, 20000));
        EXPECT_EQ(later.WaitForExit(20000), 0);
        EXPECT_EQ(requests, std::vector{InstanceLock::Request::Show});
    }
    EXPECT_TRUE(std::filesystem::is_empty(hostile));
}

// Peers that connect and send nothing, many at once, hold up neither the window nor a real
// request, and the running copy closes them soon.
TEST_F(SecondInstance, IdleConnectionsHoldUpNothing)
{
    Start();
    std::vector<int> idle;
    for (int i = 0; i < 40; ++i)
        idle.push_back(Connect(lock->SocketPath()));
    EXPECT_TRUE(std::none_of(idle.begin(), idle.end(), [](int channel) { return channel < 0; }))
        << "a burst of connections is refused";
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(Ask("show\n"), "Tallydene\n");
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    EXPECT_TRUE(PumpUntil(
        [&]
        {
            return std::all_of(idle.begin(), idle.end(),
                               [](int channel)
                               {
                                   char c;
                                   return channel < 0 || recv(channel, &c, 1, 0) == 0;
                               });
        },
        5000))
        << "idle connections are closed at their deadline";
    for (int channel : idle)
        if (channel >= 0)
            close(channel);
}
