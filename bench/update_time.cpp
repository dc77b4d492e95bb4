// The application's own costs at 100, 1,000 and 10,000 projects of ten todos each, each beside
// the plain file operation that bounds it:
//   - the minute's clock update with auto save, in CPU time, beside a plain write and fsync of
//     the same bytes;
//   - a command's save, beside the same plain write and fsync;
//   - quitting (the last update and the save, then also the memory's release), beside two
//     plain writes with fsync;
//   - loading the configuration, with the memory each todo takes beside its bytes on disk.
// The costs must grow linearly with the number of todos.
//
//   build/bench/bench/bench_update_time
#include "app/Tallydene.h"
#include "app/clock/UtcClock.h"
#include "bench/support/BenchFolder.h"
#include "model/Todo.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{

constexpr int kTodosPerProject = 10;

class SteppingClock : public UtcClock
{
public:
    std::tm NowUtc() const override
    {
        time_t moment = start + seconds;
        std::tm utc{};
        gmtime_r(&moment, &utc);
        return utc;
    }
    int64_t MonotonicSeconds() const override { return seconds; }
    int64_t BootSeconds() const override { return seconds; }
    void Advance(int by) { seconds += by; }

private:
    time_t start = 1772442000; // Monday 2 March 2026, 09:00:00 UTC
    time_t seconds = 0;
};

using Machine = BenchFolder;

void Fill(Tallydene& app, int projects)
{
    for (int p = 0; p < projects; ++p)
    {
        auto project = std::make_unique<Project>();
        project->SetName("Project " + std::to_string(p));
        for (int t = 0; t < kTodosPerProject; ++t)
        {
            auto todo = std::make_unique<Todo>(project.get());
            todo->SetName("Todo " + std::to_string(t));
            todo->SetComment("a line of comment");
            todo->SetTime(60 * t);
            project->GetTodos().Append(std::move(todo));
        }
        project->SetTotalTime(100000);
        app.GetProjects().Append(std::move(project));
    }
}

// Writes the configuration of the given number of projects, as the program saves it at exit,
// and gives its bytes.
std::string SaveFilled(const Machine& machine, const SteppingClock& clock, int projects)
{
    {
        Tallydene app(clock, ',');
        Fill(app, projects);
    }
    std::ifstream file(machine.ConfigFile(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

int64_t AllocatedBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

int Projects(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void UpdateTimeWithAutoSave(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    Tallydene app(clock, ',');
    Fill(app, Projects(state));
    app.Activate(*app.GetProjects().Get(0)->GetTodos().Get(0));
    // The start's own update, which writes every project; the ticks measured come after it.
    app.UpdateTime();
    for (auto _ : state)
    {
        clock.Advance(60);
        app.UpdateTime();
    }
    state.SetComplexityN(state.range(0) * kTodosPerProject);
    app.SkipShutdownSteps();
}

// The bytes of the saved configuration written to a new file and synced, as a save at best
// would do it.
void PlainWriteAndSync(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    const std::string bytes = SaveFilled(machine, clock, Projects(state));
    const std::string target = machine.Path() / "plain.cfg";
    for (auto _ : state)
    {
        int file = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (file < 0 ||
            write(file, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            fsync(file) != 0 || close(file) != 0)
            state.SkipWithError("plain write failed");
    }
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

// A command's save: one todo renamed, the file saved as after any command.
void CommandSave(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    Tallydene app(clock, ',');
    Fill(app, Projects(state));
    app.UpdateTime();
    Todo& todo = *app.GetProjects().Get(Projects(state) / 2)->GetTodos().Get(3);
    int round = 0;
    for (auto _ : state)
    {
        todo.SetName("Renamed " + std::to_string(++round));
        app.MarkChanged();
        app.FinishCommand();
    }
    state.SetComplexityN(state.range(0) * kTodosPerProject);
    app.SkipShutdownSteps();
}

// Ending the application object: the last clock update, the end line and the save, which
// the user's data waits for; with teardown, also the release of the memory after them, which
// only the end of the process waits for (the window is gone before either).
void Quit(benchmark::State& state, bool teardown)
{
    Machine machine;
    SteppingClock clock;
    SaveFilled(machine, clock, Projects(state));
    for (auto _ : state)
    {
        state.PauseTiming();
        auto app = std::make_unique<Tallydene>(clock, ',');
        // As a start does: the clock brought up to date and the whole file saved once.
        app->BringUpToDate();
        app->FinishCommand();
        clock.Advance(60);
        state.ResumeTiming();
        app->End(nullptr);
        if (!teardown)
            state.PauseTiming();
        app.reset();
        if (!teardown)
            state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0) * kTodosPerProject);
}

void QuitWithSave(benchmark::State& state)
{
    Quit(state, false);
}

void QuitWithTeardown(benchmark::State& state)
{
    Quit(state, true);
}

void LoadConfiguration(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    const std::string bytes = SaveFilled(machine, clock, Projects(state));
    const double todos = static_cast<double>(state.range(0) * kTodosPerProject);
    {
        const int64_t before = AllocatedBytes();
        auto app = std::make_unique<Tallydene>(clock, ',');
        state.counters["memory_per_todo"] = static_cast<double>(AllocatedBytes() - before) / todos;
        app->SkipShutdownSteps();
        app->Abandon();
    }
    state.counters["disk_per_todo"] = static_cast<double>(bytes.size()) / todos;
    for (auto _ : state)
    {
        auto app = std::make_unique<Tallydene>(clock, ',');
        benchmark::DoNotOptimize(app->GetProjects().Count());
        state.PauseTiming();
        app->SkipShutdownSteps();
        app->Abandon();
        app.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0) * kTodosPerProject);
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(UpdateTimeWithAutoSave)->Apply(Sizes)->Complexity(benchmark::oN);
BENCHMARK(PlainWriteAndSync)->Apply(Sizes);
BENCHMARK(CommandSave)->Apply(Sizes)->Complexity(benchmark::oN);
BENCHMARK(QuitWithSave)->Apply(Sizes)->Complexity(benchmark::oN);
BENCHMARK(QuitWithTeardown)->Apply(Sizes)->Complexity(benchmark::oN);
BENCHMARK(LoadConfiguration)->Apply(Sizes)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
