#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"

#include <wx/clipbrd.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{

// Office, total 2:00: Mail 0:30 (priority 1), Report 1:00; Home, total 0:10: Garden 0:10.
ConfigText Prepared()
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Close("Options");
    config.Open("Projects");
    config.Open("Office").Value("TotalTime", 7200);
    config.Open("Todos").Todo("Mail", 1, 1800).Todo("Report", 2, 3600).Close("Todos");
    config.Close("Office");
    config.Open("Home").Value("TotalTime", 600);
    config.Open("Todos").Todo("Garden", 2, 600).Close("Todos");
    config.Close("Home");
    config.Close("Projects");
    return config;
}

wxTextCtrl& TextNamed(wxWindow& dialog, const char* name)
{
    auto* control = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName(name, &dialog));
    EXPECT_NE(nullptr, control) << name;
    return *control;
}

// The screen's own pixels in rect, as a person sees them.
wxImage ScreenPixels(const wxRect& rect)
{
    const std::filesystem::path file =
        std::filesystem::path(TALLYDENE_BINARY_DIR) / "screenshots" / "pixels.png";
    std::filesystem::create_directories(file.parent_path());
    const wxString command =
        wxString::Format("import -silent -window root -crop %dx%d+%d+%d +repage %s", rect.width,
                         rect.height, rect.x, rect.y, file.string());
    wxArrayString output, errors;
    EXPECT_EQ(0, wxExecute(command, output, errors, wxEXEC_SYNC | wxEXEC_NOEVENTS));
    return wxImage(file.string());
}

std::string ClipboardText()
{
    wxTextDataObject text;
    if (!wxTheClipboard->Open())
        return "(not opened)";
    wxTheClipboard->GetData(text);
    wxTheClipboard->Close();
    return FromWx(text.GetText());
}

class ViewCommandWindows : public WindowTest
{
protected:
    void SetUp() override
    {
        WriteConfig(Prepared());
        Start();
    }

    void SelectAndFocus(const TreeItem& item)
    {
        Tree().SetFocus();
        Tree().SelectItem(wxTreeItemId(App().GetMainTree()->NodeOf(item)));
        Pump(50);
    }

    void Press(int key, int modifiers = wxMOD_NONE)
    {
        keys.Char(key, modifiers);
        Pump(50);
    }

    // The names of the todos under a project's node, in the tree's order.
    std::vector<std::string> TodosShown(const std::string& project)
    {
        std::vector<std::string> names;
        wxTreeItemIdValue cookie;
        const wxTreeItemId parent(App().GetMainTree()->NodeOf(ProjectNamed(project)));
        for (wxTreeItemId id = Tree().GetFirstChild(parent, cookie); id.IsOk();
             id = Tree().GetNextChild(parent, cookie))
            names.push_back(WxTreeControl::ItemOf(Tree(), id)->GetName());
        return names;
    }

    wxPoint ScreenPointOf(const TreeItem& item)
    {
        wxRect rect;
        EXPECT_TRUE(
            Tree().GetBoundingRect(wxTreeItemId(App().GetMainTree()->NodeOf(item)), rect, true));
        return Tree().ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
    }

    // Presses the left button at one point, moves there in steps and lets go.
    void Drag(const wxPoint& from, const wxPoint& to)
    {
        HoldAndMove(from, to);
        wxUIActionSimulator mouse;
        mouse.MouseUp();
        Pump(100);
    }

    // Presses the left button at one point and moves there in steps, holding the button.
    void HoldAndMove(const wxPoint& from, const wxPoint& to)
    {
        wxUIActionSimulator mouse;
        mouse.MouseMove(from);
        Pump(50);
        mouse.MouseDown();
        Pump(50);
        constexpr int steps = 12;
        for (int step = 1; step <= steps; ++step)
        {
            mouse.MouseMove(from.x + (to.x - from.x) * step / steps,
                            from.y + (to.y - from.y) * step / steps);
            Pump(20);
        }
        Pump(100);
    }

    // A screen point on the expander of a project's node.
    wxPoint ExpanderOf(const Project& project)
    {
        wxRect rect;
        const wxTreeItemId node(App().GetMainTree()->NodeOf(project));
        EXPECT_TRUE(Tree().GetBoundingRect(node, rect, true));
        const int y = rect.y + rect.height / 2;
        for (int x = 0; x < rect.x; ++x)
        {
            int flags = 0;
            if (Tree().HitTest(wxPoint(x, y), flags) == node &&
                (flags & wxTREE_HITTEST_ONITEMBUTTON))
                return Tree().ClientToScreen(wxPoint(x, y));
        }
        ADD_FAILURE() << "no expander found";
        return wxPoint();
    }

    // A screen point inside the label's own background, left of its text.
    wxPoint LabelEdgeOf(const TreeItem& item)
    {
        wxRect rect;
        EXPECT_TRUE(
            Tree().GetBoundingRect(wxTreeItemId(App().GetMainTree()->NodeOf(item)), rect, true));
        return Tree().ClientToScreen(wxPoint(rect.x + 1, rect.y + rect.height / 2));
    }

    wxColour ScreenColourAt(const wxPoint& point)
    {
        const wxImage pixel = ScreenPixels(wxRect(point, wxSize(1, 1)));
        return wxColour(pixel.GetRed(0, 0), pixel.GetGreen(0, 0), pixel.GetBlue(0, 0));
    }

    // Gives the command as the menu does: an event to the main window.
    void Execute(int commandId)
    {
        wxCommandEvent command(wxEVT_MENU, res::WxIdOf(commandId));
        Frame()->ProcessWindowEvent(command);
    }

    wxUIActionSimulator keys;
};

// Answers a dialog with OK after the text field named "amount", when it has one, took a time
// and the To selector, when it has one, selected the todo.
template <class Dialog>
ExpectDialog<Dialog> OkWith(const char* amount, const TreeItem* to = nullptr)
{
    return ExpectDialog<Dialog>(
        [amount, to](Dialog& dialog)
        {
            if (auto* field = wxWindow::FindWindowByName("amount", &dialog))
                static_cast<wxTextCtrl*>(field)->ChangeValue(amount);
            if (auto* selector =
                    dynamic_cast<VirtualTree*>(wxWindow::FindWindowByName("to", &dialog)))
                selector->SelectItem(
                    WindowTest::NodeShowing(*selector, *to, selector->GetRootItem()));
            EXPECT_TRUE(dialog.TransferDataFromWindow());
            return wxID_OK;
        });
}

TEST_F(ViewCommandWindows, KeysActOnTheSelectedTodo)
{
    Todo& report = TodoNamed("Office", "Report");
    SelectAndFocus(report);

    Press('C', wxMOD_CONTROL);
    EXPECT_EQ("Report", ClipboardText());

    Press(WXK_SPACE);
    EXPECT_EQ(&report, App().GetActiveTodo());
    EXPECT_EQ("Report - Tallydene", Frame()->GetTitle());

    wxTEST_DIALOG(Press(WXK_F7),
                  ExpectMessageBox("Sure to zero the todo's time?\nNote: The project's total "
                                   "time is not adjusted.",
                                   wxICON_QUESTION, wxYES));
    EXPECT_EQ(0, report.GetTime());
    EXPECT_EQ(7200, ProjectNamed("Office").GetTotalTime());

    for (int priority = 0; priority < 5; ++priority)
    {
        Press('1' + priority, wxMOD_CONTROL);
        EXPECT_EQ(priority, report.GetPriority());
        EXPECT_EQ(&report, Frame()->GetViewCommands().TodoOfSelection());
    }
    EXPECT_EQ((std::vector<std::string>{"Mail", "Report"}), TodosShown("Office"));
    Press(WXK_F8);
    EXPECT_EQ(kPriorityCompleted, report.GetPriority());
    EXPECT_EQ(&report, App().GetActiveTodo());

    // Insert makes a todo in the selected todo's project; Delete takes it away again.
    wxTEST_DIALOG(Press(WXK_INSERT), ExpectDialog<TodoDialog>(
                                         [](TodoDialog& dialog)
                                         {
                                             TextNamed(dialog, "name").ChangeValue("Call");
                                             EXPECT_TRUE(dialog.TransferDataFromWindow());
                                             return wxID_OK;
                                         }));
    EXPECT_EQ((std::vector<std::string>{"Mail", "Call", "Report"}), TodosShown("Office"));
    EXPECT_EQ(&TodoNamed("Office", "Call"), Frame()->GetViewCommands().TodoOfSelection());

    wxTEST_DIALOG(Press(WXK_DELETE),
                  ExpectMessageBox("Are you sure to delete this todo?", wxICON_QUESTION, wxYES));
    EXPECT_EQ((std::vector<std::string>{"Mail", "Report"}), TodosShown("Office"));
}

TEST_F(ViewCommandWindows, ATodoDraggedOntoAnotherProjectMovesToItsSortedPlace)
{
    Todo& mail = TodoNamed("Office", "Mail");
    Drag(ScreenPointOf(mail), ScreenPointOf(ProjectNamed("Home")));

    EXPECT_FALSE(Frame()->GetView().IsDragging());
    EXPECT_EQ(&ProjectNamed("Home"), mail.GetProject());
    EXPECT_EQ((std::vector<std::string>{"Mail", "Garden"}), TodosShown("Home"));
    EXPECT_EQ((std::vector<std::string>{"Report"}), TodosShown("Office"));
    EXPECT_EQ(&mail, Frame()->GetViewCommands().TodoOfSelection());
    // The total rises with the todo it received, up to its todos' sum.
    EXPECT_EQ("  0:40  [0:40]  Home", FromWx(Tree().GetItemText(wxTreeItemId(
                                          App().GetMainTree()->NodeOf(ProjectNamed("Home"))))));
}

TEST_F(ViewCommandWindows, ATodoDraggedOntoAnotherTodoOpensTheSimpleTransfer)
{
    wxTEST_DIALOG(Drag(ScreenPointOf(TodoNamed("Office", "Report")),
                       ScreenPointOf(TodoNamed("Home", "Garden"))),
                  ExpectDialog<TransferTimeDialog>(
                      [](TransferTimeDialog& dialog)
                      {
                          EXPECT_EQ("Transfer time", dialog.GetTitle());
                          EXPECT_EQ(nullptr, wxWindow::FindWindowByName("from", &dialog));
                          TextNamed(dialog, "amount").ChangeValue("0:15");
                          EXPECT_TRUE(dialog.TransferDataFromWindow());
                          return wxID_OK;
                      }));
    EXPECT_EQ(2700, TodoNamed("Office", "Report").GetTime());
    EXPECT_EQ(1500, TodoNamed("Home", "Garden").GetTime());
    EXPECT_EQ("    0:25    Garden",
              FromWx(Tree().GetItemText(
                  wxTreeItemId(App().GetMainTree()->NodeOf(TodoNamed("Home", "Garden"))))));
}

TEST_F(ViewCommandWindows, ADragReleasedOutsideTheTreeEndsWithoutEffect)
{
    wxRect frame = Frame()->GetScreenRect();
    Drag(ScreenPointOf(TodoNamed("Office", "Mail")),
         wxPoint(frame.GetRight() + 40, frame.GetBottom() + 40));
    EXPECT_FALSE(Frame()->GetView().IsDragging());

    // The drag is over: a release over another project moves nothing.
    wxUIActionSimulator mouse;
    mouse.MouseMove(ScreenPointOf(ProjectNamed("Home")));
    Pump(50);
    mouse.MouseClick();
    Pump(100);
    EXPECT_EQ(&ProjectNamed("Office"), TodoNamed("Office", "Mail").GetProject());
    EXPECT_EQ((std::vector<std::string>{"Garden"}), TodosShown("Home"));
}

TEST_F(ViewCommandWindows, TheSelectionSurvivesTransfersOptionsAndDialogs)
{
    Todo& report = TodoNamed("Office", "Report");
    Todo& garden = TodoNamed("Home", "Garden");
    SelectAndFocus(report);
    const auto selected = [&] { return Frame()->GetViewCommands().TodoOfSelection(); };

    // From the menu: the selectors start at the report, the garden is picked to receive.
    wxTEST_DIALOG(Execute(res::ID_TODO_TRANSFER_TIME), OkWith<TransferTimeDialog>("0:05", &garden));
    EXPECT_EQ(3300, report.GetTime());
    EXPECT_EQ(900, garden.GetTime());
    EXPECT_EQ(&report, selected());
    EXPECT_EQ("    0:55    Report", FromWx(Tree().GetItemText(Tree().GetSelection())));

    wxTEST_DIALOG(Execute(res::ID_TOOLS_OPTIONS), OkWith<OptionsDialog>(""));
    EXPECT_EQ(&report, selected());
    wxTEST_DIALOG(Execute(res::ID_TODO_PROPERTIES), OkWith<TodoDialog>(""));
    EXPECT_EQ(&report, selected());

    // A drop selects the dragged todo, and the transfer it opens keeps it selected.
    wxTEST_DIALOG(Drag(ScreenPointOf(garden), ScreenPointOf(TodoNamed("Office", "Mail"))),
                  OkWith<TransferTimeDialog>("0:05"));
    EXPECT_EQ(600, garden.GetTime());
    EXPECT_EQ(&garden, selected());
}

TEST_F(ViewCommandWindows, APressOffARowOrOnAnExpanderDragsNothing)
{
    Todo& mail = TodoNamed("Office", "Mail");
    Project& home = ProjectNamed("Home");
    SelectAndFocus(mail);

    // Below the last row.
    wxRect last;
    ASSERT_TRUE(Tree().GetBoundingRect(NodeOf("Report"), last));
    Drag(Tree().ClientToScreen(wxPoint(last.x + 20, last.GetBottom() + 30)), ScreenPointOf(home));
    EXPECT_EQ(&ProjectNamed("Office"), mail.GetProject());

    // On the expander of the project it would land on.
    SelectAndFocus(mail);
    Drag(ExpanderOf(home), ScreenPointOf(home));
    EXPECT_FALSE(Frame()->GetView().IsDragging());
    EXPECT_EQ(&ProjectNamed("Office"), mail.GetProject());
    EXPECT_EQ((std::vector<std::string>{"Garden"}), TodosShown("Home"));
}

TEST_F(ViewCommandWindows, ADoubleClickOnAnExpanderOnlyExpandsOrCollapses)
{
    Project& home = ProjectNamed("Home");
    SelectAndFocus(TodoNamed("Office", "Report"));
    wxUIActionSimulator mouse;
    mouse.MouseMove(ExpanderOf(home));
    Pump(50);
    mouse.MouseDblClick();
    Pump(200);
    EXPECT_EQ(nullptr, App().GetActiveTodo());
    EXPECT_EQ(&TodoNamed("Office", "Report"), Frame()->GetViewCommands().TodoOfSelection());
    // Whatever the clicks did to the node, the project remembers it.
    EXPECT_EQ(home.IsExpanded(), Tree().IsExpanded(NodeOf("Home")));
}

TEST_F(ViewCommandWindows, TheDropTargetIsHighlightedAndADropLeavesNoTrace)
{
    Todo& mail = TodoNamed("Office", "Mail");
    Project& home = ProjectNamed("Home");
    Project& office = ProjectNamed("Office");
    const wxColour homePlain = ScreenColourAt(LabelEdgeOf(home));
    const wxColour officePlain = ScreenColourAt(LabelEdgeOf(office));

    HoldAndMove(ScreenPointOf(mail), ScreenPointOf(home));
    ASSERT_TRUE(Frame()->GetView().IsDragging());
    EXPECT_NE(homePlain, ScreenColourAt(LabelEdgeOf(home)));
    // Its own project would take no drop: not highlighted.
    HoldAndMove(ScreenPointOf(home), ScreenPointOf(office));
    EXPECT_EQ(homePlain, ScreenColourAt(LabelEdgeOf(home)));
    EXPECT_EQ(officePlain, ScreenColourAt(LabelEdgeOf(office)));

    wxUIActionSimulator mouse;
    mouse.MouseUp();
    Pump(300);
    EXPECT_FALSE(Frame()->GetView().IsDragging());
    EXPECT_EQ(&office, mail.GetProject());
    // What the screen shows is what the tree draws anew.
    const wxRect area = Tree().GetScreenRect();
    const wxImage after = ScreenPixels(area);
    Tree().Refresh();
    Tree().Update();
    Pump(300);
    const wxImage redrawn = ScreenPixels(area);
    ASSERT_TRUE(after.IsOk() && redrawn.IsOk());
    EXPECT_EQ(0, memcmp(after.GetData(), redrawn.GetData(), area.width * area.height * 3));
}

} // namespace
