// Publishing 500 sessions to a real CalDAV server (Debian's radicale on the loopback address),
// against 500 plain PUTs of the same events through libcurl to the same server: what the
// publisher adds to the network's and the server's own time (reading the journal, making the
// events, keeping what the server holds on disk after each answer).
#include "app/calendar/CalendarEvents.h"
#include "app/calendar/CalendarPublisher.h"
#include "app/calendar/CurlHttp.h"
#include "app/journal/JournalFile.h"
#include "bench/support/BenchFolder.h"

#include <benchmark/benchmark.h>

#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

extern char** environ;

namespace
{

constexpr int kSessions = 500;
// 2 March 2026, 09:00 UTC.
constexpr int64_t kMorning = 1772442000;

class Radicale
{
public:
    explicit Radicale(const std::filesystem::path& folder)
    {
        const int probe = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        close(probe);
        port = ntohs(address.sin_port);
        std::ofstream(folder / "users") << "anna:secret\n";
        std::vector<std::string> arguments = {"radicale",
                                              "--config",
                                              "",
                                              "--server-hosts",
                                              "127.0.0.1:" + std::to_string(port),
                                              "--storage-filesystem-folder",
                                              (folder / "storage").string(),
                                              "--auth-type",
                                              "htpasswd",
                                              "--auth-htpasswd-filename",
                                              (folder / "users").string(),
                                              "--auth-htpasswd-encryption",
                                              "plain",
                                              "--logging-level",
                                              "critical"};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawnp(&pid, "radicale", nullptr, nullptr, argv.data(), environ);
        CurlHttp http;
        for (int tries = 0; tries < 200 && http.Send({"GET", Root()}).status == 0; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~Radicale()
    {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::string Root() const { return "http://127.0.0.1:" + std::to_string(port) + "/"; }
    // A new, empty calendar for each run.
    std::string NewCalendar()
    {
        HttpRequest request{"MKCALENDAR", Root() + "anna/c" + std::to_string(++calendars) + "/"};
        request.user = "anna";
        request.password = "secret";
        CurlHttp().Send(request);
        return request.url;
    }

private:
    int port = 0;
    int calendars = 0;
    pid_t pid = 0;
};

struct World
{
    BenchFolder folder;
    Radicale server{folder.Path()};
    std::string journal = (folder.Path() / "t.journal").string();

    World()
    {
        JournalFile file(journal);
        for (int i = 0; i < kSessions; ++i)
        {
            JournalEntry entry;
            entry.kind = JournalKind::session;
            entry.start = kMorning + 60 * i;
            entry.end = entry.start + 30;
            entry.todoSeconds = 30;
            entry.project = "Office";
            entry.todo = i % 2 == 0 ? "Mail" : "Call";
            entry.todoId = entry.todo;
            entry.device = "bench";
            entry.sequence = i + 1;
            file.Append(entry);
        }
    }
};

World& TheWorld()
{
    static World world;
    return world;
}

void Publish(benchmark::State& state)
{
    World& world = TheWorld();
    int run = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        const std::string calendar = world.server.NewCalendar();
        const std::string held = (world.folder.Path() / ("held" + std::to_string(++run))).string();
        CalendarPublisher publisher(world.journal, held, std::make_unique<CurlHttp>(), nullptr);
        publisher.Configure({calendar, "anna", "secret"});
        state.ResumeTiming();
        const CalendarPublisher::Status status = publisher.PublishOnce();
        if (!status.problem.empty() || status.waiting != 0)
            state.SkipWithError(status.problem.c_str());
    }
}

void PlainPuts(benchmark::State& state)
{
    World& world = TheWorld();
    const std::vector<CalendarEvent> events = CalendarEvents::Of(
        SessionsOf(JournalFile(world.journal).ReadPlausible(kMorning + 86400)), false);
    std::vector<std::string> bodies;
    for (const CalendarEvent& event : events)
        bodies.push_back(CalendarEvents::Text({event}, kMorning));
    for (auto _ : state)
    {
        state.PauseTiming();
        const std::string calendar = world.server.NewCalendar();
        CurlHttp http;
        state.ResumeTiming();
        for (size_t i = 0; i < events.size(); ++i)
        {
            HttpRequest request{"PUT", calendar + CalendarEvents::ResourceName(events[i])};
            request.user = "anna";
            request.password = "secret";
            request.body = bodies[i];
            request.contentType = "text/calendar";
            request.ifNoneMatch = "*";
            http.Send(request);
        }
    }
}

} // namespace

BENCHMARK(Publish)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainPuts)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
