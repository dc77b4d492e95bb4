// What the ledger costs at 100,000 todos (10,000 projects of ten), and what replaying the
// journal costs:
//   - the memory the undo history holds after 50 steps of completed, rename, add time and
//     priority, beside the memory of the books themselves;
//   - one command through the ledger with its undo step, beside the same command without one;
//   - replaying a journal of 12,500 to 50,000 entries (a year of sessions and changes) into the
//     books, beside a plain read of the journal file;
//   - folding the same entries written by two machines, as a machine that shares the books does
//     each time another machine's entries come in, beside the same plain read.
//
//   build/bench/bench/bench_ledger
#include "app/ledger/Ledger.h"
#include "app/Tallydene.h"
#include "app/clock/UtcClock.h"
#include "app/journal/BooksText.h"
#include "app/journal/JournalEntry.h"
#include "app/journal/JournalFile.h"
#include "app/journal/JournalReplay.h"
#include "bench/support/BenchFolder.h"
#include "model/Todo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

constexpr int kProjects = 10000;
constexpr int kTodosPerProject = 10;

class FixedClock : public UtcClock
{
public:
    std::tm NowUtc() const override
    {
        time_t moment = 1772442000; // Monday 2 March 2026, 09:00:00 UTC
        std::tm utc{};
        gmtime_r(&moment, &utc);
        return utc;
    }
    int64_t MonotonicSeconds() const override { return 0; }
    int64_t BootSeconds() const override { return 0; }
};

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// Books of the size given; the ids of their todos.
std::vector<std::string> Fill(Tallydene& app, int projects)
{
    std::vector<std::string> todos;
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
            todos.push_back(todo->GetId());
            project->GetTodos().Append(std::move(todo));
        }
        project->SetTotalTime(100000);
        app.GetProjects().Append(std::move(project));
    }
    return todos;
}

// The commands of the steps: completed, rename, add time and a priority, on todos across the
// books.
std::vector<Change> Step(const std::vector<std::string>& todos, int step)
{
    const std::string& todo = todos[(static_cast<size_t>(step) * 7919) % todos.size()];
    switch (step % 4)
    {
    case 0:
        return {Change::Priority(todo, kPriorityCompleted)};
    case 1:
        return {Change::Rename(todo, "Renamed " + std::to_string(step))};
    case 2:
        return {Change::Time("add", todo, {}, 1800, 1800, 0)};
    default:
        return {Change::Priority(todo, 1)};
    }
}

void UndoMemory(benchmark::State& state)
{
    BenchFolder machine;
    FixedClock clock;
    for (auto _ : state)
    {
        const size_t empty = HeapInUse();
        auto app = std::make_unique<Tallydene>(clock, ',');
        app->SkipShutdownSteps();
        app->Abandon();
        const std::vector<std::string> todos = Fill(*app, kProjects);
        // The ledger's index of ids is part of the books' cost, not of undo's.
        app->GetLedger().FindTodo(todos.front());
        const size_t books = HeapInUse() - empty;
        const size_t before = HeapInUse();
        for (int step = 0; step < 50; ++step)
            app->GetUndoHistory().Record(*app, "Step",
                                         [&] { app->GetLedger().Apply(Step(todos, step)); });
        state.counters["undo_bytes"] = static_cast<double>(HeapInUse() - before);
        state.counters["books_bytes"] = static_cast<double>(books);
        state.counters["steps"] = app->GetUndoHistory().NextUndo() != nullptr ? 50 : 0;
        std::filesystem::remove(machine.DataFolder() / "Tallydene.journal");
    }
}
BENCHMARK(UndoMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// One command on books of 100,000 todos, with and without its undo step.
void Command(benchmark::State& state)
{
    const bool withUndo = state.range(0) != 0;
    BenchFolder machine;
    FixedClock clock;
    Tallydene app(clock, ',');
    app.SkipShutdownSteps();
    app.Abandon();
    const std::vector<std::string> todos = Fill(app, kProjects);
    int step = 0;
    for (auto _ : state)
    {
        const std::vector<Change> changes = Step(todos, step++);
        if (withUndo)
            app.GetUndoHistory().Record(app, "Step", [&] { app.GetLedger().Apply(changes); });
        else
            app.GetLedger().Apply(changes);
    }
}
BENCHMARK(Command)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A journal of the entries given: sessions of a working day's todos with a change by hand
// after every tenth, starting from the books as one entry.
std::filesystem::path WriteJournal(const BenchFolder& machine, Tallydene& app, int entries)
{
    const std::vector<std::string> todos = Fill(app, 100);
    const std::filesystem::path path = machine.DataFolder() / "replay.journal";
    std::ofstream file(path, std::ios::binary);
    JournalEntry books{JournalKind::books, 0, 0, 0, 0, 0, "", "", BooksText::Of(app)};
    books.device = "bench";
    books.stamp = "0.0";
    file << books.Format();
    int64_t moment = 1741593600;
    for (int entry = 0; entry < entries; ++entry, moment += 1500)
    {
        const std::string& todo = todos[static_cast<size_t>(entry) % todos.size()];
        JournalEntry line{entry % 10 == 9 ? "add" : "session",
                          moment,
                          moment + 1200,
                          1200,
                          1200,
                          1200,
                          "Project",
                          "Todo",
                          ""};
        line.todoId = todo;
        line.device = "bench";
        line.sequence = entry + 1;
        line.stamp = std::to_string(moment * 1000) + ".0";
        file << line.Format();
    }
    return path;
}

// Books with no window and a journal of the entries given beside them.
struct JournalBench
{
    explicit JournalBench(int entries)
    {
        app.SkipShutdownSteps();
        app.Abandon();
        path = WriteJournal(machine, app, entries);
    }

    BenchFolder machine;
    FixedClock clock;
    Tallydene app{clock, ','};
    std::filesystem::path path;
};

void Replay(benchmark::State& state)
{
    JournalBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        const std::vector<JournalEntry> entries = JournalFile(bench.path.string()).ReadComplete();
        const std::vector<std::string> refused = JournalReplay::Into(bench.app, entries);
        if (!refused.empty())
            state.SkipWithError("an entry did not replay");
    }
}
BENCHMARK(Replay)->Arg(12500)->Arg(25000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The journal's entries as two machines wrote them, every other one on each, and their
// starting books: what sharing folds after each exchange.
void Fold(benchmark::State& state)
{
    JournalBench bench(static_cast<int>(state.range(0)));
    std::vector<JournalEntry> written = JournalFile(bench.path.string()).ReadComplete();
    const std::string starting = written.front().note;
    written.erase(written.begin());
    for (size_t index = 0; index < written.size(); ++index)
        written[index].device = index % 2 == 0 ? "desk" : "laptop";
    for (auto _ : state)
    {
        const std::vector<std::string> refused = JournalReplay::Fold(bench.app, starting, written);
        if (!refused.empty())
            state.SkipWithError("an entry did not fold");
    }
}
BENCHMARK(Fold)->Arg(12500)->Arg(25000)->Arg(50000)->Unit(benchmark::kMillisecond);

void PlainRead(benchmark::State& state)
{
    JournalBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        std::ifstream file(bench.path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(PlainRead)->Arg(12500)->Arg(25000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
