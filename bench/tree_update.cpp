// The main tree and the start at 100, 1,000 and 10,000 projects of 10 todos each:
//   - the full update of the main tree, beside appending the same labelled nodes straight to
//     the toolkit's generic wxTreeCtrl;
//   - what the user waits for in the shown window, each beside the repaint of an empty window
//     of the same size: the repaint when a dialog closes over it, Refresh (F5) with its paint,
//     expanding a project of 10 todos, and one command's update of a todo and its project;
//   - the memory the view takes per todo;
//   - the start without showing the window: the application object made, the configuration
//     loaded and the tree filled, beside making and drawing an empty frame.
// It opens real windows, so it needs a display:
//   xvfb-run -a -s '-screen 0 1600x1200x24' build/bench/bench/bench_tree_update
#include "app/Tallydene.h"
#include "app/clock/SystemUtcClock.h"
#include "bench/support/BenchFolder.h"
#include "bench/support/WindowBench.h"
#include "model/FillTree.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/AppSession.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/VirtualTree.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/time.h>
#include <wx/treectrl.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace
{

constexpr int kTodosPerProject = 10;

// The configuration of the given size, in the data folder of the run.
void WriteData(const BenchFolder& folder, int projects)
{
    std::ofstream file(folder.ConfigFile(), std::ios::binary | std::ios::trunc);
    file << "<Options>\r\n\t<AutoSaveEnabled>0</>\r\n</Options>\r\n"
         << BenchProjects(projects, kTodosPerProject);
}

// The started program on the data of one size; nothing of it is saved.
struct Windows
{
    explicit Windows(int projects) : projects(projects)
    {
        session = std::make_unique<AppSession>(clock);
        frame = &session->Start();
    }
    ~Windows() { session->Abandon(); }

    int projects;
    SystemUtcClock clock;
    std::unique_ptr<AppSession> session;
    MainFrame* frame = nullptr;
};

const BenchFolder* data = nullptr;
std::unique_ptr<Windows> windows;

// The program started on the given number of projects, kept while the benchmarks of that
// size run.
Windows& Started(int projects)
{
    if (!windows || windows->projects != projects)
    {
        windows.reset();
        WriteData(*data, projects);
        windows = std::make_unique<Windows>(projects);
    }
    return *windows;
}

int64_t Rows(int projects)
{
    return int64_t{projects} * (kTodosPerProject + 1);
}

void FullUpdate(benchmark::State& state, int projects)
{
    MainFrame& frame = *Started(projects).frame;
    for (auto _ : state)
        frame.RebuildTree();
    state.SetItemsProcessed(state.iterations() * Rows(projects));
}

// The toolkit's own work: the same labels and pictures, appended in the same order to a tree
// of the same style and image lists.
void PlainTreeAppend(benchmark::State& state, int projects)
{
    Windows& started = Started(projects);
    Tallydene& app = started.session->GetTallydene();
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
            labels.push_back(
                {ToWx(todo->GetLabel(app)), todo->GetImage(app), todo->GetStateImage(), true});
    }
    MainView& view = started.frame->GetView();
    wxTreeCtrl tree(started.frame, wxID_ANY, wxDefaultPosition, view.GetSize(),
                    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                        wxBORDER_SUNKEN);
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
            const wxTreeItemId id =
                tree.AppendItem(label.todo ? project : root, label.text, label.image, label.image);
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

// Counts a window's paints, so that a step can wait for the paint it caused: the toolkit draws
// from its event loop, and a window's Update() draws nothing on GTK 3.
class Paints
{
public:
    explicit Paints(wxWindow& window) : window(window)
    {
        window.Bind(wxEVT_PAINT, &Paints::OnPaint, this);
    }
    ~Paints() { window.Unbind(wxEVT_PAINT, &Paints::OnPaint, this); }

    // Runs the event loop until the window has painted once more; false after a second.
    bool AwaitOne()
    {
        const int64_t before = count;
        const wxLongLong deadline = wxGetLocalTimeMillis() + 1000;
        while (count == before && wxGetLocalTimeMillis() < deadline)
            wxTheApp->Yield(true);
        return count != before;
    }

private:
    void OnPaint(wxPaintEvent& event)
    {
        ++count;
        event.Skip();
    }

    wxWindow& window;
    int64_t count = 0;
};

// The whole view drawn anew, as when a dialog closes over it.
void Repaint(benchmark::State& state, int projects)
{
    MainView& view = Started(projects).frame->GetView();
    Paints paints(view);
    for (auto _ : state)
    {
        view.Refresh();
        if (!paints.AwaitOne())
            return state.SkipWithError("no paint");
    }
}

// The toolkit's floor for that: an empty window of the same size drawn anew.
void PlainRepaint(benchmark::State& state)
{
    MainFrame& frame = *Started(100).frame;
    wxWindow plain(&frame, wxID_ANY, frame.GetView().GetPosition(), frame.GetView().GetSize());
    plain.Bind(wxEVT_PAINT, [&plain](wxPaintEvent&) { wxPaintDC dc(&plain); });
    Paints paints(plain);
    for (auto _ : state)
    {
        plain.Refresh();
        if (!paints.AwaitOne())
            return state.SkipWithError("no paint");
    }
}

// Refresh (F5) as the menu gives it, and the paint that follows.
void RefreshCommand(benchmark::State& state, int projects)
{
    MainFrame& frame = *Started(projects).frame;
    Paints paints(frame.GetView());
    for (auto _ : state)
    {
        wxCommandEvent refresh(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REFRESH));
        frame.ProcessWindowEvent(refresh);
        if (!paints.AwaitOne())
            return state.SkipWithError("no paint");
    }
}

// The first project, collapsed beforehand, expanded as a click on its expander does (its
// stored state and the journal's line included) and drawn.
void ExpandProject(benchmark::State& state, int projects)
{
    Windows& started = Started(projects);
    MainView& view = started.frame->GetView();
    Project& project = *started.session->GetTallydene().GetProjects().Get(0);
    const wxTreeItemId node(view.GetTreeControl().NodeOf(project));
    Paints paints(view);
    for (auto _ : state)
    {
        state.PauseTiming();
        view.Collapse(node);
        paints.AwaitOne();
        state.ResumeTiming();
        view.Expand(node);
        if (!paints.AwaitOne())
            return state.SkipWithError("no paint");
    }
}

// What the ledger does to the view for a command that changed one todo: the todo's node and
// its project's take new labels and pictures, and the rows are drawn.
void CommandViewUpdate(benchmark::State& state, int projects)
{
    Windows& started = Started(projects);
    Tallydene& app = started.session->GetTallydene();
    MainView& view = started.frame->GetView();
    TreeControl& tree = view.GetTreeControl();
    Project& project = *app.GetProjects().Get(0);
    Todo& todo = *project.GetTodos().Get(0);
    Paints paints(view);
    int round = 0;
    for (auto _ : state)
    {
        const std::string mark = ++round % 2 ? " " : "";
        for (TreeItem* item : {static_cast<TreeItem*>(&todo), static_cast<TreeItem*>(&project)})
        {
            const TreeNode node = tree.NodeOf(*item);
            tree.SetNodeText(node, item->GetLabel(app) + mark);
            tree.SetNodeImages(node, item->GetImage(app), item->GetImage(app));
            tree.SetNodeStateImage(node, item->GetStateImage());
        }
        if (!paints.AwaitOne())
            return state.SkipWithError("no paint");
    }
}

// The bytes a view holds for its nodes, per todo: a tree of the same kind filled afresh.
void ViewMemory(benchmark::State& state, int projects)
{
    Windows& started = Started(projects);
    Tallydene& app = started.session->GetTallydene();
    for (auto _ : state)
    {
        VirtualTree tree(started.frame, wxID_ANY);
        tree.Hide();
        WxTreeControl control(tree);
        const size_t before = mallinfo2().uordblks;
        FillTree(control, app.GetProjects(), app);
        const size_t after = mallinfo2().uordblks;
        state.counters["view_memory_per_todo"] =
            static_cast<double>(after - before) / (projects * kTodosPerProject);
    }
}

// From nothing to a filled tree: the application object loads the configuration and the
// projects, the frame is made and the view fills its tree; the window is not shown.
void Startup(benchmark::State& state, int projects)
{
    Started(projects);
    SystemUtcClock clock;
    for (auto _ : state)
    {
        auto session = std::make_unique<AppSession>(clock);
        auto frame = std::make_unique<MainFrame>(session->GetTallydene());
        session->GetTallydene().SetMainWindow(frame.get());
        frame->RebuildTree();
        // Tearing down is no part of a start.
        state.PauseTiming();
        frame.reset();
        session->Abandon();
        session.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows(projects));
}

// The toolkit's floor for a start: an empty frame made, shown and drawn.
void EmptyFrame(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto frame = std::make_unique<wxFrame>(nullptr, wxID_ANY, "Tallydene");
        frame->Show();
        frame->Update();
        state.PauseTiming();
        frame.reset();
        state.ResumeTiming();
    }
}

void Register()
{
    for (int projects : {100, 1000, 10000})
    {
        const std::string size = "/" + std::to_string(projects);
        benchmark::RegisterBenchmark(("FullUpdate" + size).c_str(), FullUpdate, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PlainTreeAppend" + size).c_str(), PlainTreeAppend, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Startup" + size).c_str(), Startup, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Repaint" + size).c_str(), Repaint, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("RefreshCommand" + size).c_str(), RefreshCommand, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ExpandProject" + size).c_str(), ExpandProject, projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("CommandViewUpdate" + size).c_str(), CommandViewUpdate,
                                     projects)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ViewMemory" + size).c_str(), ViewMemory, projects)
            ->Iterations(1);
    }
    benchmark::RegisterBenchmark("PlainRepaint", PlainRepaint)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("EmptyFrame", EmptyFrame)->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    BenchFolder folder;
    data = &folder;
    return WindowBench::Main(argc, argv, Register, [] { windows.reset(); });
}
