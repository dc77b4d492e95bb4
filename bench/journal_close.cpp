// Closing the session a killed run left open, as every start does, on a journal of a year's
// sessions (50,000 entries) whose last entry is that open session. The start should not read
// the whole year to find it. Then the same with many entries after the open one (a session
// left running for months, or the changes of a script): the start reads them once, so the time
// grows in step with their number.
//
//   build/release/bench/bench_journal_close
#include "app/journal/JournalEntry.h"
#include "app/journal/SessionJournal.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{

// Each session is two entries, its open and its end.
constexpr int kSessions = 25000;

// A journal of twenty sessions of twenty minutes on each working day, among four projects,
// ending with a session that was never closed.
std::string WriteYear(const std::filesystem::path& folder)
{
    const std::filesystem::path path = folder / "Tallydene.journal";
    std::ofstream file(path, std::ios::binary);
    const int64_t first = 1741593600; // Monday 10 March 2025, 08:00 UTC
    int64_t moment = first;
    for (int entry = 0; entry < kSessions; ++entry)
    {
        moment = first + (entry / 20) * 86400 + (entry % 20) * 1500;
        const std::string project = "Project " + std::to_string(entry % 4);
        const std::string todo = "Todo " + std::to_string(entry % 37);
        file << JournalEntry{"open", moment, moment, 0, 0, 0, project, todo, ""}.Format()
             << JournalEntry{"session", moment,  moment + 1200, 1200,      1200,
                             1200,      project, todo,          "switched"}
                    .Format();
    }
    file << JournalEntry{"open", moment + 1500, moment + 1500, 0, 0, 0, "Project 0", "Todo 0", ""}
                .Format();
    return path.string();
}

void CloseInterruptedSession(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tallybench-XXXXXX");
    const std::filesystem::path folder = mkdtemp(pattern.data());
    const std::string path = WriteYear(folder);
    const auto size = std::filesystem::file_size(path);
    for (auto _ : state)
    {
        state.PauseTiming();
        std::filesystem::resize_file(path, size);
        state.ResumeTiming();
        SessionJournal(path).CloseInterrupted(1110000000, true);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(CloseInterruptedSession)->Unit(benchmark::kMillisecond);

// A session opened, then the number of entries of other todos after it.
std::string WriteOpenThenEntries(const std::filesystem::path& folder, int entries)
{
    const std::filesystem::path path = folder / "Tallydene.journal";
    std::ofstream file(path, std::ios::binary);
    const int64_t first = 1741593600;
    file << JournalEntry{"open", first, first, 0, 0, 0, "Project 0", "Todo 0", ""}.Format();
    for (int entry = 0; entry < entries; ++entry)
        file << JournalEntry{"add",
                             first + entry,
                             first + entry,
                             60,
                             60,
                             60,
                             "Project 1",
                             "Todo " + std::to_string(entry % 37),
                             ""}
                    .Format();
    return path.string();
}

void CloseAfterEntries(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tallybench-XXXXXX");
    const std::filesystem::path folder = mkdtemp(pattern.data());
    const std::string path = WriteOpenThenEntries(folder, static_cast<int>(state.range(0)));
    const auto size = std::filesystem::file_size(path);
    // On the disk, as a journal is at a start: the one entry's sync then flushes nothing else.
    ::sync();
    for (auto _ : state)
    {
        state.PauseTiming();
        std::filesystem::resize_file(path, size);
        state.ResumeTiming();
        SessionJournal(path).CloseInterrupted(1110000000, true);
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(CloseAfterEntries)
    ->Arg(100000)
    ->Arg(200000)
    ->Arg(400000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
