// Closing the session a killed run left open, as every start does, on a journal of a year's
// sessions (50,000 entries) whose last entry is that open session. The start should not read
// the whole year to find it.
//
//   build/release/bench/bench_journal_close
#include "app/JournalEntry.h"
#include "app/SessionJournal.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

} // namespace

BENCHMARK_MAIN();
