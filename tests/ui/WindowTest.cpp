#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"

#include <wx/app.h>
#include <wx/listctrl.h>
#include <wx/statbmp.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <utility>

int ExpectMessageBox::OnInvoked(MessageBox* box) const
{
    EXPECT_EQ(box->GetMessage(), message);
    EXPECT_EQ(box->GetTitle(), "Tallydene");
    EXPECT_EQ(box->GetStyle() & wxICON_MASK, icon) << message;
    // The icon asked for is on the box.
    const auto shows = [](wxWindow* child)
    {
        auto* picture = dynamic_cast<wxStaticBitmap*>(child);
        return picture && picture->GetBitmap().IsOk();
    };
    EXPECT_EQ(std::ranges::count_if(box->GetChildren(), shows), icon ? 1 : 0) << message;
    return answer == wxYES ? wxID_YES : answer == wxNO ? wxID_NO : wxID_OK;
}

ConfigText& ConfigText::Open(const std::string& section)
{
    text += Indent() + "<" + section + ">\r\n";
    ++depth;
    return *this;
}

ConfigText& ConfigText::Close(const std::string& section)
{
    --depth;
    text += Indent() + "</" + section + ">\r\n";
    return *this;
}

ConfigText& ConfigText::Value(const std::string& name, const std::string& value)
{
    text += Indent() + "<" + name + ">" + value + "</>\r\n";
    return *this;
}

ConfigText& ConfigText::Todo(const std::string& name, int priority, int time,
                             const std::string& comment)
{
    return Open(name)
        .Value("Comment", comment)
        .Value("Priority", priority)
        .Value("Time", time)
        .Close(name);
}

void WindowTest::TearDown()
{
    EndSession();
}

std::filesystem::path WindowTest::ConfigFile() const
{
    return places.DataFolder() / "Brindlecott" / "Tallydene" / "Tallydene.cfg";
}

void WindowTest::WriteConfig(const ConfigText& config)
{
    std::filesystem::create_directories(ConfigFile().parent_path());
    WriteFileBytes(ConfigFile(), config.Text());
    // The given text is the only copy: a whole ".old" left by an earlier start of the same test
    // would be loaded instead of a file that lacks sections every save writes.
    std::filesystem::remove(ConfigFile().string() + ".old");
}

std::string WindowTest::ReadConfig() const
{
    return ReadFileBytes(ConfigFile());
}

MainFrame& WindowTest::Start()
{
    session = std::make_unique<AppSession>(clock);
    MainFrame& frame = session->Start();
    EXPECT_TRUE(PumpUntil([&] { return frame.IsShownOnScreen(); }));
    Pump(100);
    return frame;
}

void WindowTest::CloseWindow()
{
    if (MainFrame* frame = Frame())
        frame->Close();
    Pump(50);
}

void WindowTest::EndSession()
{
    session.reset();
    Pump(20);
}

Tallydene& WindowTest::App()
{
    return session->GetTallydene();
}

MainFrame* WindowTest::Frame()
{
    return session ? session->GetMainFrame() : nullptr;
}

VirtualTree& WindowTest::Tree()
{
    return Frame()->GetView();
}

Project& WindowTest::ProjectNamed(const std::string& name)
{
    for (Project* project : App().GetProjects())
        if (project->GetName() == name)
            return *project;
    throw std::runtime_error("no project " + name);
}

Todo& WindowTest::TodoNamed(const std::string& project, const std::string& name)
{
    for (Todo* todo : ProjectNamed(project).GetTodos())
        if (todo->GetName() == name)
            return *todo;
    throw std::runtime_error("no todo " + name);
}

wxTreeItemId WindowTest::NodeOf(const std::string& text)
{
    TreeItem* item = nullptr;
    for (Project* project : App().GetProjects())
    {
        if (project->GetName() == text)
            item = project;
        for (class Todo* todo : project->GetTodos())
            if (todo->GetName() == text)
                item = todo;
    }
    return item ? wxTreeItemId(App().GetMainTree()->NodeOf(*item)) : wxTreeItemId();
}

wxTreeItemId WindowTest::NodeShowing(const VirtualTree& tree, const TreeItem& item,
                                     wxTreeItemId parent)
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
         child = tree.GetNextChild(parent, cookie))
    {
        if (WxTreeControl::ItemOf(tree, child) == &item)
            return child;
        if (const wxTreeItemId below = NodeShowing(tree, item, child); below.IsOk())
            return below;
    }
    return wxTreeItemId();
}

void WindowTest::Pump(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do
    {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

bool WindowTest::PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const auto end =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

std::vector<std::string> WindowTest::ListRows(const wxListCtrl& list,
                                              std::initializer_list<int> columns)
{
    std::vector<std::string> rows;
    for (long row = 0; row < list.GetItemCount(); ++row)
    {
        std::string text;
        const char* separator = "";
        for (int column : columns)
            text += std::exchange(separator, "|") + FromWx(list.GetItemText(row, column));
        rows.push_back(text);
    }
    return rows;
}

std::filesystem::path WindowTest::Screenshot(wxWindow& window, const std::string& name)
{
    window.Raise();
    window.Refresh();
    window.Update();
    Pump(300);
    const std::filesystem::path folder =
        std::filesystem::path(TALLYDENE_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / (name + ".png");
    std::filesystem::remove(file);
    // The X server's own pixels, read by ImageMagick's import, as a person would see them: on a
    // scaled screen the window's logical rectangle covers as many more of them.
    const double scale = window.GetContentScaleFactor();
    const wxRect logical = window.GetScreenRect();
    const wxRect rect(wxPoint(wxRound(logical.x * scale), wxRound(logical.y * scale)),
                      wxSize(wxRound(logical.width * scale), wxRound(logical.height * scale)));
    const wxString command =
        wxString::Format("import -silent -window root -crop %dx%d+%d+%d +repage %s", rect.width,
                         rect.height, rect.x, rect.y, file.string());
    wxArrayString output, errors;
    EXPECT_EQ(wxExecute(command, output, errors, wxEXEC_SYNC | wxEXEC_NOEVENTS), 0)
        << (errors.empty() ? wxString() : errors[0]);
    return file;
}
