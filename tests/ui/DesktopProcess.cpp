#include "tests/ui/DesktopProcess.h"

#include "tests/ui/WindowTest.h"

#include <wx/taskbar.h>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

DesktopProcess::DesktopProcess(std::vector<std::string> command)
{
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    started = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

DesktopProcess::~DesktopProcess()
{
    if (!started)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

WindowManager::WindowManager() : DesktopProcess({"openbox", "--sm-disable"})
{
    EXPECT_TRUE(started);
    // openbox names its check window on the root window once it manages the screen.
    EXPECT_TRUE(WindowTest::PumpUntil(
        []
        {
            return CommandOutput("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                   std::string::npos;
        },
        10000))
        << "openbox did not start";
}

NotificationArea::NotificationArea()
    : DesktopProcess({"trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                      "--height", "32", "--transparent", "false"})
{
    EXPECT_TRUE(started);
    EXPECT_TRUE(WindowTest::PumpUntil([] { return wxTaskBarIcon::IsAvailable(); }, 10000))
        << "trayer did not take the tray";
}

bool NotificationArea::IconCentre(int& x, int& y)
{
    // trayer's panel holds the one icon and is only as wide as its icons.
    std::istringstream ids(CommandOutput("xdotool search --onlyvisible --class trayer"));
    std::string id;
    while (ids >> id)
    {
        std::istringstream info(CommandOutput("xdotool getwindowgeometry --shell " + id));
        std::string line;
        int left = 0, top = 0, width = 0, height = 0;
        while (std::getline(info, line))
        {
            std::sscanf(line.c_str(), "X=%d", &left);
            std::sscanf(line.c_str(), "Y=%d", &top);
            std::sscanf(line.c_str(), "WIDTH=%d", &width);
            std::sscanf(line.c_str(), "HEIGHT=%d", &height);
        }
        if (width > 1 && height > 1)
        {
            x = left + width / 2;
            y = top + height / 2;
            return true;
        }
    }
    return false;
}

std::string CommandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r"))
    {
        char buffer[256];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}
