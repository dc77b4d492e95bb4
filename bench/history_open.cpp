// Opening the History window on a year of sessions (50,000 journal entries): reading and
// sorting the journal, building the diary's rows and showing the window, beside reading the
// same file into memory and showing an empty dialog (the floor of any window). Goal: under
// 200 ms.
//
//   xvfb-run -a build/bench/bench/bench_history_open
#include "app/Tallydene.h"
#include "app/clock/SystemUtcClock.h"
#include "app/journal/JournalFile.h"
#include "app/journal/SessionJournal.h"
#include "bench/support/BenchFolder.h"
#include "bench/support/WindowBench.h"
#include "ui/WxPrompts.h"
#include "ui/dialogs/HistoryDialog.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/frame.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace
{

constexpr int kEntries = 50000;

// A journal of a year's sessions, in the data folder of the run.
std::filesystem::path WriteJournal(const BenchFolder& folder)
{
    const std::filesystem::path journal = folder.DataFolder() / "Tallydene.journal";
    std::ofstream file(journal, std::ios::binary);
    // Twenty sessions of twenty minutes on each working day, among four projects.
    int64_t start = 1741593600; // Monday 10 March 2025, 08:00 UTC
    for (int entry = 0; entry < kEntries; ++entry)
    {
        const int64_t moment = start + (entry / 20) * 86400 + (entry % 20) * 1500;
        file << JournalEntry{"session",
                             moment,
                             moment + 1200,
                             1200,
                             1200,
                             1200,
                             "Project " + std::to_string(entry % 4),
                             "Todo " + std::to_string(entry % 37),
                             "switched"}
                    .Format();
    }
    return journal;
}

std::filesystem::path journal;

void OpenHistory(benchmark::State& state)
{
    SystemUtcClock clock;
    Tallydene app(clock, '.');
    app.SkipShutdownSteps();
    app.Abandon();
    wxFrame frame(nullptr, wxID_ANY, "Tallydene");
    frame.Show();
    WxPrompts prompts;
    for (auto _ : state)
    {
        // As the command shows it: the form opened, then its window built over it.
        auto form = std::make_unique<HistoryForm>(app);
        form->Open();
        auto dialog = std::make_unique<HistoryDialog>(&frame, *form, prompts);
        dialog->Show();
        dialog->Update();
        benchmark::DoNotOptimize(dialog->GetForm().Rows().size());
        state.PauseTiming();
        dialog.release()->Destroy();
        wxTheApp->ProcessIdle();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void PlainRead(benchmark::State& state)
{
    for (auto _ : state)
    {
        std::ifstream file(journal, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), {});
        benchmark::DoNotOptimize(bytes.data());
    }
}

void EmptyDialog(benchmark::State& state)
{
    wxFrame frame(nullptr, wxID_ANY, "Tallydene");
    frame.Show();
    for (auto _ : state)
    {
        auto dialog = std::make_unique<wxDialog>(&frame, wxID_ANY, "History");
        dialog->Show();
        dialog->Update();
        state.PauseTiming();
        dialog.release()->Destroy();
        wxTheApp->ProcessIdle();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    BenchFolder folder;
    journal = WriteJournal(folder);
    return WindowBench::Main(
        argc, argv,
        []
        {
            benchmark::RegisterBenchmark("OpenHistory", OpenHistory)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("PlainRead", PlainRead)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("EmptyDialog", EmptyDialog)->Unit(benchmark::kMillisecond);
        });
}
