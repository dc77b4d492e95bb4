// Opening the History window on a year of sessions (50,000 journal entries): reading and
// sorting the journal, building the diary's rows and showing the window, beside reading the
// same file into memory and showing an empty dialog (the floor of any window). Goal: under
// 200 ms.
//
//   xvfb-run -a build/release/bench/bench_history_open
#include "app/JournalFile.h"
#include "app/SessionJournal.h"
#include "app/SystemUtcClock.h"
#include "app/Tallydene.h"
#include "toolbox/Places.h"
#include "ui/WxPrompts.h"
#include "ui/dialogs/HistoryDialog.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace
{

constexpr int kEntries = 50000;

// A data folder of its own holding a journal of a year's sessions.
class BenchData
{
public:
    BenchData()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallybench-XXXXXX");
        folder = mkdtemp(pattern.data());
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
        toolbox::Places::SetProgramPath(toolbox::String((folder / "Tallydene").c_str()));
        std::filesystem::create_directories(Journal().parent_path());
        std::ofstream file(Journal(), std::ios::binary);
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
    }
    ~BenchData()
    {
        toolbox::Places::SetProgramPath(std::nullopt);
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path Journal() const
    {
        return folder / "data" / "Brindlecott" / "Tallydene" / "Tallydene.journal";
    }

private:
    std::filesystem::path folder;
};

class BenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

BenchData* data = nullptr;

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
        std::ifstream file(data->Journal(), std::ios::binary);
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
    BenchData folder;
    data = &folder;
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return EXIT_FAILURE;
    benchmark::RegisterBenchmark("OpenHistory", OpenHistory)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainRead", PlainRead)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("EmptyDialog", EmptyDialog)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return EXIT_SUCCESS;
}
