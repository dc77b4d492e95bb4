// The full update of the main tree on 1,000 projects of 10 todos, beside appending the same
// 11,000 labelled nodes straight to a wxTreeCtrl. It opens real windows, so it needs a
// display: xvfb-run -a -s '-screen 0 1600x1200x24' build/release/bench/bench_tree_update
#include "app/SystemUtcClock.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "ui/AppSession.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxText.h"

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace
{

constexpr int kProjects = 1000;
constexpr int kTodosPerProject = 10;

// A data folder of its own with the big configuration, for the whole run.
class BenchData
{
public:
    BenchData()
    {
        char pattern[] = "/tmp/tallydene-bench-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("HOME", folder.c_str(), 1);
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", (folder / "Documents").c_str(), 1);
        const auto data = folder / "data" / "Brindlecott" / "Tallydene";
        std::filesystem::create_directories(data);
        std::ofstream file(data / "bench_tree_update.cfg", std::ios::binary);
        file << "<Options>\r\n\t<AutoSaveEnabled>0</>\r\n</Options>\r\n<Projects>\r\n";
        for (int p = 0; p < kProjects; ++p)
        {
            file << "\t<Project " << p << ">\r\n\t\t<TotalTime>" << p * 60 << "</>\r\n\t\t<Todos>\r\n";
            for (int t = 0; t < kTodosPerProject; ++t)
                file << "\t\t\t<Todo " << t << ">\r\n\t\t\t\t<Priority>" << t % 6
                     << "</>\r\n\t\t\t\t<Time>" << t * 90 << "</>\r\n\t\t\t</Todo " << t << ">\r\n";
            file << "\t\t</Todos>\r\n\t</Project " << p << ">\r\n";
        }
        file << "</Projects>\r\n";
    }
    ~BenchData() { std::filesystem::remove_all(folder); }

private:
    std::filesystem::path folder;
};

class BenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

struct Windows
{
    SystemUtcClock clock;
    std::unique_ptr<AppSession> session;
    MainFrame* frame = nullptr;
};

Windows* windows = nullptr;

void BM_FullUpdate(benchmark::State& state)
{
    for (auto _ : state)
        windows->frame->RebuildTree();
    state.SetItemsProcessed(state.iterations() * kProjects * (kTodosPerProject + 1));
}
BENCHMARK(BM_FullUpdate)->Unit(benchmark::kMillisecond);

// The toolkit's own work: the same labels and pictures, appended in the same order to a tree
// of the same style and image lists.
void BM_PlainTreeAppend(benchmark::State& state)
{
    Tallydene& app = windows->session->GetTallydene();
    struct Label
    {
        wxString text;
        int image;
        int stateImage;
        bool todo;
    };
    std::vector<Label> labels;
    for (Project* project : app.GetProjects())
    {
        labels.push_back({ToWx(project->GetLabel(app)), project->GetImage(app), -1, false});
        for (Todo* todo : project->GetTodos())
            labels.push_back({ToWx(todo->GetLabel(app)), todo->GetImage(app), todo->GetStateImage(), true});
    }
    MainView& view = windows->frame->GetView();
    wxTreeCtrl tree(windows->frame, wxID_ANY, wxDefaultPosition, view.GetSize(), view.GetWindowStyle());
    tree.SetImageList(view.GetImageList());
    tree.SetStateImageList(view.GetStateImageList());
    const wxTreeItemId root = tree.AddRoot(wxString());
    for (auto _ : state)
    {
        tree.Freeze();
        tree.DeleteChildren(root);
        wxTreeItemId project;
        for (const Label& label : labels)
        {
            const wxTreeItemId id = tree.AppendItem(label.todo ? project : root, label.text, label.image,
                                                    label.image);
            if (label.stateImage >= 0)
                tree.SetItemState(id, label.stateImage);
            if (!label.todo)
                project = id;
            else if (!tree.IsExpanded(project))
                tree.Expand(project);
        }
        tree.Thaw();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(labels.size()));
}
BENCHMARK(BM_PlainTreeAppend)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchData data;
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return EXIT_FAILURE;
    {
        Windows open;
        open.session = std::make_unique<AppSession>(open.clock);
        open.frame = &open.session->Start();
        windows = &open;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        windows = nullptr;
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return EXIT_SUCCESS;
}
