#include "bench/support/WindowBench.h"

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>

namespace
{

class BenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

} // namespace

int WindowBench::Main(int argc, char** argv, const std::function<void()>& registerBenchmarks,
                      const std::function<void()>& finish)
{
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return EXIT_FAILURE;
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finish)
        finish();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return EXIT_SUCCESS;
}
