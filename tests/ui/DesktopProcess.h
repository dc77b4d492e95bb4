#pragma once

#include <string>
#include <vector>

// A program of the desktop around the windows (a window manager, a notification area) running
// on the test's display for as long as the object lives.
class DesktopProcess
{
public:
    explicit DesktopProcess(std::vector<std::string> command);
    ~DesktopProcess();
    DesktopProcess(const DesktopProcess&) = delete;
    DesktopProcess& operator=(const DesktopProcess&) = delete;

    bool started = false;

private:
    int pid = 0;
};

// openbox, once it manages the display; the check fails the test when it never does.
class WindowManager : public DesktopProcess
{
public:
    WindowManager();
};

// trayer as the notification area, once it has taken the display's tray.
class NotificationArea : public DesktopProcess
{
public:
    NotificationArea();
    // The screen point in the middle of the area's one icon.
    static bool IconCentre(int& x, int& y);
};

// Runs a shell command line and gives what it wrote to its standard output.
std::string CommandOutput(const std::string& command);
