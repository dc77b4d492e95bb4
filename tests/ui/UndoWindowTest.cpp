#include "tests/ui/DesktopProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"

#include <wx/menu.h>
#include <wx/treectrl.h>

#include <cstdlib>

namespace
{

class UndoWindowTest : public WindowTest
{
protected:
    // Real keys from another process, as the user presses them.
    static void Keys(const std::string& keys)
    {
        ASSERT_EQ(std::system(("xdotool sleep 0.3 key " + keys + " &").c_str()), 0);
    }

    WindowManager windowManager;
};

} // namespace

TEST_F(UndoWindowTest, CtrlZAfterDelBringsTheTodoBackSelected)
{
    ConfigText config;
    config.Open("Projects").Open("Office").Open("Todos");
    config.Todo("Mail", 2, 600).Todo("Report", 2, 300);
    config.Close("Todos").Close("Office").Close("Projects");
    WriteConfig(config);
    MainFrame& frame = Start();
    const int undo = res::WxIdOf(res::ID_EDIT_UNDO);
    frame.GetMenuBar()->UpdateMenus();
    EXPECT_FALSE(frame.GetMenuBar()->IsEnabled(undo));

    frame.GetView().SelectItem(NodeOf("Mail"));
    frame.Raise();
    frame.GetView().SetFocus();
    Pump(500);
    Keys("Delete");
    wxTEST_DIALOG(
        EXPECT_TRUE(PumpUntil([&] { return ProjectNamed("Office").GetTodos().Count() == 1; })),
        ExpectMessageBox("Are you sure to delete this todo?", wxICON_QUESTION, wxYES));
    // Named before the menu opens, so that GTK lays the menu out with the whole name.
    EXPECT_EQ("&Undo Delete todo 'Mail'\tCtrl+Z", frame.GetMenuBar()->GetLabel(undo));
    frame.GetMenuBar()->UpdateMenus();
    EXPECT_TRUE(frame.GetMenuBar()->IsEnabled(undo));
    EXPECT_EQ("&Undo Delete todo 'Mail'\tCtrl+Z", frame.GetMenuBar()->GetLabel(undo));

    Keys("ctrl+z");
    ASSERT_TRUE(PumpUntil([&] { return ProjectNamed("Office").GetTodos().Count() == 2; }));
    EXPECT_EQ(600, TodoNamed("Office", "Mail").GetTime());
    const wxTreeItemId mail = NodeOf("Mail");
    ASSERT_TRUE(mail.IsOk());
    EXPECT_EQ(mail, Tree().GetSelection());
    EXPECT_TRUE(Tree().HasFocus());
    frame.GetMenuBar()->UpdateMenus();
    EXPECT_EQ("&Redo Delete todo 'Mail'\tCtrl+Y",
              frame.GetMenuBar()->GetLabel(res::WxIdOf(res::ID_EDIT_REDO)));
}
