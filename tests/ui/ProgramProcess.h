#pragma once

#include "tests/support/TestPlaces.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

// The user's runtime folder of the test's program processes, private as the system makes it.
// Each test has its own, so that copies started by tests running side by side never meet at
// the single-instance lock.
std::filesystem::path RuntimeFolder(const TestPlaces& places);

// Variables of the program's environment set (or, without a value, unset) over the usual ones.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// The built program (or a copy of it), started as a user would, with its folders in the
// test's own places; killed at the end of the test if it still runs.
class ProgramProcess
{
public:
    explicit ProgramProcess(const TestPlaces& places, std::vector<std::string> arguments = {},
                            std::string program = TALLYDENE_BINARY_DIR "/ui/tallydene",
                            const EnvironmentChanges& changes = {});
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The exit code (128 + the signal when a signal ended it), or -1 while it still runs after
    // the timeout.
    int WaitForExit(int timeoutMilliseconds);
    bool Send(int signal);
    pid_t Pid() const { return pid; }

    bool started = false;

private:
    pid_t pid = 0;
    bool exited = false;
};
