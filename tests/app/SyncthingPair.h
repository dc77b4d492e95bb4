#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

// Two real Syncthing instances (Debian's `syncthing`) that keep a folder of each equal, as a
// user's two machines do. They listen on the loopback network only, inside a network namespace
// that the test process makes for itself, so nothing leaves the machine. A folder's changes
// reach the other side after the file watcher's delay of one second.
class SyncthingPair
{
public:
    static constexpr int kWatcherDelaySeconds = 1;

    // Makes the namespace: a test that starts the pair calls this first. Needs root.
    static void IsolateNetwork()
    {
        ASSERT_EQ(0, unshare(CLONE_NEWNET)) << "a network namespace needs root";
        ASSERT_EQ(0, std::system("ip link set lo up"));
    }

    // Each instance with its home and its folder in root; both started and connected.
    void Start(const std::filesystem::path& root)
    {
        for (int side = 0; side < 2; ++side)
        {
            Instance& instance = instances[side];
            instance.home = root / ("syncthing" + std::to_string(side));
            instance.folder = root / ("Sync" + std::to_string(side));
            std::filesystem::create_directories(instance.folder / ".stfolder");
            const std::string generated =
                Output("syncthing generate --home=" + instance.home.string() + " 2>&1");
            const size_t at = generated.find("Device ID: ");
            ASSERT_NE(std::string::npos, at) << generated;
            instance.id = generated.substr(at + 11, 63);
        }
        for (int side = 0; side < 2; ++side)
            WriteConfig(side);
        for (Instance& instance : instances)
            Spawn(instance);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!Connected() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_TRUE(Connected()) << "the two instances never connected";
    }
    ~SyncthingPair()
    {
        for (Instance& instance : instances)
            if (instance.pid > 0)
            {
                kill(instance.pid, SIGTERM);
                waitpid(instance.pid, nullptr, 0);
            }
    }

    const std::filesystem::path& Folder(int side) const { return instances[side].folder; }

    // Cuts the two apart (each pauses the other), or joins them again.
    void Connect(bool connected)
    {
        for (int side = 0; side < 2; ++side)
            Rest(side, "PATCH", "/rest/config/devices/" + instances[1 - side].id,
                 std::string(R"({"paused": )") + (connected ? "false" : "true") + "}");
    }
    bool Connected()
    {
        return Rest(0, "GET", "/rest/system/connections", "").find(R"("connected": true)") !=
               std::string::npos;
    }

private:
    struct Instance
    {
        std::filesystem::path home;
        std::filesystem::path folder;
        std::string id;
        pid_t pid = 0;
    };

    static std::string Output(const std::string& command)
    {
        std::string output;
        if (FILE* pipe = popen(command.c_str(), "r"))
        {
            char buffer[512];
            while (size_t read = fread(buffer, 1, sizeof buffer, pipe))
                output.append(buffer, read);
            pclose(pipe);
        }
        return output;
    }

    static int ListenPort(int side) { return 22100 + side; }
    static int GuiPort(int side) { return 8400 + side; }

    std::string Rest(int side, const std::string& method, const std::string& path,
                     const std::string& body)
    {
        return Output("curl -s -X " + method + " -H 'X-API-Key: tallydene-test' " +
                      (body.empty() ? "" : "-d '" + body + "' ") + "http://127.0.0.1:" +
                      std::to_string(GuiPort(side)) + path);
    }

    void WriteConfig(int side)
    {
        const Instance& self = instances[side];
        std::string devices;
        for (int each = 0; each < 2; ++each)
            devices += "<device id=\"" + instances[each].id + "\" name=\"side" +
                       std::to_string(each) + "\"><address>tcp://127.0.0.1:" +
                       std::to_string(ListenPort(each)) + "</address></device>\n";
        std::ofstream(self.home / "config.xml")
            << "<configuration version=\"36\">\n"
            << "<folder id=\"tallydene\" label=\"Sync\" path=\"" << self.folder.string()
            << "\" type=\"sendreceive\" rescanIntervalS=\"3600\" fsWatcherEnabled=\"true\" "
            << "fsWatcherDelayS=\"" << kWatcherDelaySeconds << "\">"
            << "<device id=\"" << instances[0].id << "\"></device>"
            << "<device id=\"" << instances[1].id << "\"></device></folder>\n"
            << devices << "<gui enabled=\"true\" tls=\"false\"><address>127.0.0.1:"
            << GuiPort(side) << "</address><apikey>tallydene-test</apikey></gui>\n"
            << "<options><listenAddress>tcp://127.0.0.1:" << ListenPort(side)
            << "</listenAddress><globalAnnounceServer></globalAnnounceServer>"
            << "<globalAnnounceEnabled>false</globalAnnounceEnabled>"
            << "<localAnnounceEnabled>false</localAnnounceEnabled>"
            << "<relaysEnabled>false</relaysEnabled><natEnabled>false</natEnabled>"
            << "<startBrowser>false</startBrowser><urAccepted>-1</urAccepted>"
            << "<autoUpgradeIntervalH>0</autoUpgradeIntervalH>"
            << "<crashReportingEnabled>false</crashReportingEnabled>"
            << "<reconnectionIntervalS>1</reconnectionIntervalS>"
            << "<stunServer></stunServer></options>\n</configuration>\n";
    }

    void Spawn(Instance& instance)
    {
        const std::string home = "--home=" + instance.home.string();
        std::vector<std::string> arguments = {"syncthing",    "serve",        home,
                                              "--no-browser", "--no-restart", "--no-upgrade",
                                              "--logfile=" + (instance.home / "log").string()};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        std::vector<std::string> variables = {"STNOUPGRADE=1", "STNODEFAULTFOLDER=1",
                                              "HOME=" + instance.home.string()};
        std::vector<char*> envp;
        for (std::string& variable : variables)
            envp.push_back(variable.data());
        for (char** each = environ; *each != nullptr; ++each)
            envp.push_back(*each);
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        ASSERT_EQ(0,
                  posix_spawnp(&instance.pid, "syncthing", &actions, nullptr, argv.data(), envp.data()));
        posix_spawn_file_actions_destroy(&actions);
    }

    Instance instances[2];
};
