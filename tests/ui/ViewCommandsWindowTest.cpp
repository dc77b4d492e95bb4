#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxText.h"
#include "ui/WxTreeControl.h"
#include "ui/dialogs/TodoDialog.h"
#include "ui/dialogs/TransferTimeDialog.h"

#include <wx/clipbrd.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

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
        Tree().SelectItem(wxTreeItemId(item.GetNode()));
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
        const wxTreeItemId parent(ProjectNamed(project).GetNode());
        for (wxTreeItemId id = Tree().GetFirstChild(parent, cookie); id.IsOk();
             id = Tree().GetNextChild(parent, cookie))
            names.push_back(WxTreeControl::ItemOf(Tree(), id)->GetName());
        return names;
    }

    wxPoint ScreenPointOf(const TreeItem& item)
    {
        wxRect rect;
        EXPECT_TRUE(Tree().GetBoundingRect(wxTreeItemId(item.GetNode()), rect, true));
        return Tree().ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
    }

    // Presses the left button at one point, moves there in steps and lets go.
    void Drag(const wxPoint& from, const wxPoint& to)
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
        mouse.MouseUp();
        Pump(100);
    }

    wxUIActionSimulator keys;
};

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
        EXPECT_EQ(&report, Frame()->GetView().TodoOfSelection());
    }
    EXPECT_EQ((std::vector<std::string>{"Mail", "Report"}), TodosShown("Office"));
    Press(WXK_F8);
    EXPECT_EQ(PRIORITY_COMPLETED, report.GetPriority());
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
    EXPECT_EQ(&TodoNamed("Office", "Call"), Frame()->GetView().TodoOfSelection());

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
    EXPECT_EQ(&mail, Frame()->GetView().TodoOfSelection());
    // The total rises with the todo it received, up to its todos' sum.
    EXPECT_EQ("  0:40  [0:40]  Home",
              FromWx(Tree().GetItemText(wxTreeItemId(ProjectNamed("Home").GetNode()))));
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
              FromWx(Tree().GetItemText(wxTreeItemId(TodoNamed("Home", "Garden").GetNode()))));
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

} // namespace
