#include "tests/ui/ProgramProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "ui/InstanceLock.h"
#include "ui/LaterCopy.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"

#include <cstdlib>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// This test process plays the running copy: it holds the user's single-instance lock in the
// test's runtime folder and answers later copies with its window.
class LaterCopy : public WindowTest
{
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            runtimeBefore = old;
        setenv("XDG_RUNTIME_DIR", RuntimeFolder(places).c_str(), 1);
        lock.emplace(
            [this](InstanceLock::Request request)
            {
                requests.push_back(request);
                AnswerLaterCopy(Frame(), request);
            });
        ASSERT_TRUE(lock->Acquire());
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
        const std::string path = (RuntimeFolder(places) / "tallydene.socket").string();
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        const int channel = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        EXPECT_EQ(connect(channel, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
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

TEST_F(LaterCopy, StartedWithPauseItPausesTheRunningCopyAndEnds)
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

TEST_F(LaterCopy, OnlyTheKnownRequestsAreAnswered)
{
    Start();
    EXPECT_EQ(Ask("pause\n"), "Tallydene\n");
    EXPECT_EQ(Ask("show\n"), "Tallydene\n");
    EXPECT_EQ(Ask("quit\n"), "");
    EXPECT_EQ(Ask("pause"), ""); // no whole line
    EXPECT_EQ(Ask("pausepause\n"), "");
    EXPECT_EQ(requests, (std::vector{InstanceLock::Request::Pause, InstanceLock::Request::Show}));
}
