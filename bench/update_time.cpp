// The cost of the minute's clock update with auto save (which rewrites the whole
// configuration file) and of loading a configuration, for large numbers of projects with ten
// todos each. The update must grow linearly with the number of todos.
//
//   build/release/bench/bench_update_time
#include "app/Tallydene.h"
#include "app/UtcClock.h"
#include "model/Todo.h"
#include "toolbox/Places.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace
{

constexpr int TodosPerProject = 10;

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
    void Advance(int by) { seconds += by; }

private:
    time_t start = 1772442000; // Monday 2 March 2026, 09:00:00 UTC
    time_t seconds = 0;
};

// A program folder and a data folder of their own under the system's temporary folder.
class Machine
{
public:
    Machine()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallybench-XXXXXX");
        folder = mkdtemp(pattern.data());
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
        toolbox::Places::SetProgramPath(toolbox::String((folder / "Tallydene").c_str()));
    }
    ~Machine()
    {
        toolbox::Places::SetProgramPath(std::nullopt);
        std::filesystem::remove_all(folder);
    }

private:
    std::filesystem::path folder;
};

void Fill(Tallydene& app, int projects)
{
    for (int p = 0; p < projects; ++p)
    {
        auto project = std::make_unique<Project>();
        project->SetName("Project " + std::to_string(p));
        for (int t = 0; t < TodosPerProject; ++t)
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

void UpdateTimeWithAutoSave(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    Tallydene app(clock, ',');
    Fill(app, static_cast<int>(state.range(0)));
    app.Activate(*app.GetProjects().Get(0)->GetTodos().Get(0));
    for (auto _ : state)
    {
        clock.Advance(60);
        app.UpdateTime();
    }
    state.SetComplexityN(state.range(0) * TodosPerProject);
    app.SkipShutdownSteps();
}

void LoadConfiguration(benchmark::State& state)
{
    Machine machine;
    SteppingClock clock;
    {
        Tallydene app(clock, ',');
        Fill(app, static_cast<int>(state.range(0)));
    }
    for (auto _ : state)
    {
        auto app = std::make_unique<Tallydene>(clock, ',');
        benchmark::DoNotOptimize(app->GetProjects().Count());
        state.PauseTiming();
        app->SkipShutdownSteps();
        app.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0) * TodosPerProject);
}

} // namespace

BENCHMARK(UpdateTimeWithAutoSave)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(LoadConfiguration)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
