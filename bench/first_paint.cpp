// The start of the whole program as a process, from its start to the first paint of its
// window, at 1,000, 10,000 and 100,000 todos (100, 1,000 and 10,000 projects of 10 todos),
// beside an empty frame of the toolkit started the same way (this program started again with
// --empty-frame), and beside loading the same books in this process (the application object
// made, the window not). The paint is seen from outside, as the X server's damage events: the
// first drawing at least 100 pixels wide and high, which is the window's whole content with
// the rows of its tree, drawn in one go. With each start also: the process's anonymous memory
// a moment after the paint, per todo. It needs a display:
//   xvfb-run -a -s '-screen 0 1600x1200x24' build/bench/bench/bench_first_paint
#include "app/Tallydene.h"
#include "app/clock/SystemUtcClock.h"
#include "bench/support/BenchFolder.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace
{

constexpr int kTodosPerProject = 10;
constexpr int kPaintedSide = 100;
using Clock = std::chrono::steady_clock;

const BenchFolder* data = nullptr;
Display* display = nullptr;
int damageEvents = 0;

// The data file of a program is named after it: the program's and this process's.
void WriteData(int projects)
{
    std::ostringstream file;
    file << "<Options>\r\n\t<AutoSaveEnabled>0</>\r\n</Options>\r\n"
         << "<Application>\r\n\t<OnceActions>\r\n\t\t<FirstRun>0</>\r\n\t</OnceActions>\r\n"
         << "</Application>\r\n"
         << BenchProjects(projects, kTodosPerProject);
    const std::string program = std::filesystem::path(TALLYDENE_PROGRAM).filename();
    for (const auto& path : {data->ConfigFile(), data->DataFolder() / (program + ".cfg")})
        std::ofstream(path, std::ios::binary | std::ios::trunc) << file.str();
}

// The process's anonymous memory in bytes, as the kernel counts it.
double AnonymousBytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("RssAnon:", 0) == 0)
            return std::stod(line.substr(8)) * 1024;
    return 0;
}

struct Start
{
    double milliseconds = 0;
    double anonymousBytes = 0;
};

// Starts the program with its arguments, waits for its first paint, then ends it.
Start StartToFirstPaint(const std::vector<std::string>& arguments)
{
    const Window root = DefaultRootWindow(display);
    const Damage damage = XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    while (XPending(display))
    {
        XEvent event;
        XNextEvent(display, &event);
    }

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const Clock::time_point begin = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + arguments[0]);

    Start start;
    const Clock::time_point deadline = begin + std::chrono::seconds(60);
    while (start.milliseconds == 0 && Clock::now() < deadline)
    {
        if (!XPending(display))
        {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            XSync(display, False);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvents + XDamageNotify)
            continue;
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (notify.area.width >= kPaintedSide && notify.area.height >= kPaintedSide)
            start.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    }
    XDamageDestroy(display, damage);
    // What the program holds once it is up and has saved the start's books, not what it
    // needed on the way.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    start.anonymousBytes = AnonymousBytes(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    if (start.milliseconds == 0)
        throw std::runtime_error("no paint from " + arguments[0]);
    return start;
}

// The books of one size, as the program keeps them once it has started on them: its first start
// gives every item its id and saves, which no later start repeats.
void Prepare(int projects)
{
    static int prepared = 0;
    if (prepared == projects)
        return;
    WriteData(projects);
    StartToFirstPaint({TALLYDENE_PROGRAM});
    const std::string program = std::filesystem::path(TALLYDENE_PROGRAM).filename();
    std::filesystem::copy_file(data->DataFolder() / (program + ".cfg"), data->ConfigFile(),
                               std::filesystem::copy_options::overwrite_existing);
    prepared = projects;
}

// A start on books the program has seen before.
void Program(benchmark::State& state, int projects)
{
    Prepare(projects);
    double anonymous = 0;
    for (auto _ : state)
    {
        const Start start = StartToFirstPaint({TALLYDENE_PROGRAM});
        state.SetIterationTime(start.milliseconds / 1000);
        anonymous += start.anonymousBytes;
    }
    const double todos = double{1} * projects * kTodosPerProject;
    state.counters["memory_per_todo"] =
        benchmark::Counter(anonymous / static_cast<double>(state.iterations()) / todos);
}

// Loading the same books in this process: the application object made and dropped unsaved.
void LoadBooks(benchmark::State& state, int projects)
{
    Prepare(projects);
    SystemUtcClock clock;
    for (auto _ : state)
    {
        auto app = std::make_unique<Tallydene>(clock, ',');
        state.PauseTiming();
        app->SkipShutdownSteps();
        app->Abandon();
        app.reset();
        state.ResumeTiming();
    }
}

std::string self;

void EmptyFrame(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(StartToFirstPaint({self, "--empty-frame"}).milliseconds / 1000);
}

// The toolkit's floor: a frame with nothing in it, shown at once.
class EmptyFrameApp : public wxApp
{
public:
    bool OnInit() override
    {
        (new wxFrame(nullptr, wxID_ANY, "Tallydene"))->Show();
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--empty-frame") == 0)
    {
        wxApp::SetInstance(new EmptyFrameApp);
        return wxEntry(argc, argv);
    }
    self = "/proc/self/exe";
    char path[4096] = {};
    if (readlink("/proc/self/exe", path, sizeof path - 1) > 0)
        self = path;
    display = XOpenDisplay(nullptr);
    int damageErrors = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvents, &damageErrors))
    {
        fprintf(stderr, "needs a display with the damage extension\n");
        return EXIT_FAILURE;
    }
    BenchFolder folder;
    data = &folder;
    for (int projects : {100, 1000, 10000})
    {
        const std::string size = "/" + std::to_string(projects);
        benchmark::RegisterBenchmark(("Program" + size).c_str(), Program, projects)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
        benchmark::RegisterBenchmark(("LoadBooks" + size).c_str(), LoadBooks, projects)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
    benchmark::RegisterBenchmark("EmptyFrame", EmptyFrame)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(display);
    return EXIT_SUCCESS;
}
