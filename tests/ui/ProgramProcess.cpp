#include "tests/ui/ProgramProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

std::filesystem::path RuntimeFolder(const TestPlaces& places)
{
    const std::filesystem::path folder = places.Root() / "runtime";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    return folder;
}

ProgramProcess::ProgramProcess(const TestPlaces& places, std::vector<std::string> arguments,
                               std::string program, const EnvironmentChanges& changes)
{
    std::vector<std::string> environment = {
        "HOME=" + places.HomeFolder().string(),
        "XDG_DATA_HOME=" + places.DataFolder().string(),
        "XDG_DOCUMENTS_DIR=" + places.DocumentsFolder().string(),
        "XDG_RUNTIME_DIR=" + RuntimeFolder(places).string(),
    };
    for (const char* name :
         {"DISPLAY", "XAUTHORITY", "PATH", "LANG", "LSAN_OPTIONS", "ASAN_OPTIONS", "UBSAN_OPTIONS"})
        if (const char* value = getenv(name))
            environment.push_back(std::string(name) + "=" + value);
    for (const auto& [name, value] : changes)
    {
        std::erase_if(environment,
                      [&](const std::string& entry) { return entry.starts_with(name + "="); });
        if (value)
            environment.push_back(name + "=" + *value);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<char*> argv{program.data()};
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    started = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) == 0;
}

ProgramProcess::~ProgramProcess()
{
    if (started && !exited)
    {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

int ProgramProcess::WaitForExit(int timeoutMilliseconds)
{
    const auto end =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (std::chrono::steady_clock::now() < end)
    {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
        {
            exited = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

bool ProgramProcess::Send(int signal)
{
    return kill(pid, signal) == 0;
}
