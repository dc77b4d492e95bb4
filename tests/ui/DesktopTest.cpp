#include "tests/ui/DesktopProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/TrayIcon.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/WorkingTimeDialog.h"

#include <wx/image.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/stockitem.h>
#include <wx/toolbar.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace
{

ConfigText OneTodo()
{
    ConfigText config;
    config.Open("Projects").Open("P").Open("Todos");
    config.Todo("One", 2, 600);
    config.Close("Todos").Close("P").Close("Projects");
    return config;
}

// Real input from another process, so that it also reaches menus that run a loop of their own.
void Xdotool(const std::string& arguments)
{
    ASSERT_EQ(std::system(("xdotool " + arguments + " &").c_str()), 0);
}

class TrayTest : public WindowTest
{
protected:
    // Minimises the window, which hides it behind the tray icon, and gives the icon's middle.
    wxPoint HideToTray(MainFrame& frame)
    {
        Pump(300);
        frame.Iconize();
        EXPECT_TRUE(PumpUntil([&] { return !frame.IsShown(); })) << "not hidden to the tray";
        wxPoint icon;
        EXPECT_TRUE(PumpUntil([&] { return NotificationArea::IconCentre(icon.x, icon.y); }));
        Pump(300);
        return icon;
    }

    WindowManager windowManager;
    NotificationArea notificationArea;
};

TEST_F(TrayTest, AClickOnTheIconBringsTheWindowBack)
{
    MainFrame& frame = Start();
    const wxPoint icon = HideToTray(frame);
    Xdotool(wxString::Format("mousemove %d %d click 1", icon.x, icon.y).ToStdString());
    EXPECT_TRUE(PumpUntil([&] { return frame.IsShownOnScreen() && !frame.IsIconized(); }));
}

TEST_F(TrayTest, TheIconsMenuPausesRestoresAndQuits)
{
    WriteConfig(OneTodo());
    MainFrame& frame = Start();
    App().Activate(TodoNamed("P", "One"));

    wxPoint icon = HideToTray(frame);
    const std::string menuAt =
        wxString::Format("mousemove %d %d click 3 sleep 0.5 key ", icon.x, icon.y).ToStdString();
    Xdotool(menuAt + "Down Down Return"); // Pause
    EXPECT_TRUE(PumpUntil([&] { return App().GetActiveTodo() == nullptr; }));
    EXPECT_FALSE(frame.IsShown());

    Xdotool(menuAt + "Down Return"); // Restore
    EXPECT_TRUE(PumpUntil([&] { return frame.IsShownOnScreen() && !frame.IsIconized(); }));

    icon = HideToTray(frame);
    const std::string quitAt =
        wxString::Format("mousemove %d %d click 3 sleep 0.5 key ", icon.x, icon.y).ToStdString();
    Xdotool(quitAt + "Up Return"); // Quit, as Alt+X with its question
    wxTEST_DIALOG(
        PumpUntil([&] { return Frame() == nullptr; }),
        ExpectMessageBox("You have open todos. Are you sure to quit?", wxICON_QUESTION, wxYES));
}

// The icon's menu shows no key beside its entries: it has none. GTK shows a stock entry's
// key (Open's Ctrl+O) whatever the label says, so no entry may be a stock one.
TEST(TrayMenuTest, ShowsNoKeys)
{
    wxEvtHandler target;
    TrayIcon icon([] {}, target);
    const std::unique_ptr<wxMenu> menu(icon.CreatePopupMenu());
    for (const wxMenuItem* item : menu->GetMenuItems())
        EXPECT_FALSE(wxIsStockID(item->GetId())) << item->GetItemLabel();
}

class MessageBoxTest : public WindowTest
{
protected:
    void Run(int command)
    {
        wxCommandEvent event(wxEVT_MENU, res::WxIdOf(command));
        Frame()->ProcessWindowEvent(event);
    }

    WindowManager windowManager;
};

TEST_F(MessageBoxTest, EnterInAQuestionThatDestroysDataAnswersNo)
{
    ConfigText config = OneTodo();
    config.Open("Options").Value("WorkingTimeEnabled", 1).Close("Options");
    config.Open("WorkingTime").Value("Actual", 3600).Close("WorkingTime");
    WriteConfig(config);
    Start().GetView().SelectItem(NodeOf("One"));

    for (const int command : {res::ID_TODO_DELETE, res::ID_TODO_ZERO_TIME, res::ID_OVERTIME_ZERO})
    {
        // A hasty Enter, once the box has the focus.
        Xdotool("sleep 1.5 key Return");
        Run(command);
    }
    EXPECT_EQ(TodoNamed("P", "One").GetTime(), 600);
    EXPECT_EQ(App().GetOvertimeAccount().GetBalance(), 3600);

    // Where nothing is lost, Yes stays the default.
    Xdotool("sleep 1.5 key Return");
    Run(res::ID_APP_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return Frame() == nullptr; }));
}

using HelpTest = MessageBoxTest;

TEST_F(HelpTest, HelpThatCannotOpenSaysWhatItTriedToOpen)
{
    Start();
    // No opener to be found: the desktop has none installed.
    const TempFolder emptyFolder;
    places.SetEnvironment("PATH", emptyFolder.Path().string());
    places.SetEnvironment("BROWSER", std::nullopt);
    const auto refusal = [](const std::string& target)
    {
        return ExpectMessageBox("Could not open\n" + target +
                                    "\nNo program to show it is set up on this computer.",
                                wxICON_ERROR, wxOK);
    };
    const std::filesystem::path docs = places.ProgramFolder() / "docs";
    wxTEST_DIALOG(Run(res::ID_HELP_INDEX), refusal((docs / "help" / "index.html").string()));
    wxTEST_DIALOG(Run(res::ID_HELP_TERMS), refusal((docs / "Readme.txt").string()));
}

using PlacementTest = MessageBoxTest;

TEST_F(PlacementTest, TheFirstRunsDialogsOpenCentredOnTheMainWindow)
{
    ConfigText config;
    config.Open("MainFrame").Value("XPos", 500).Value("YPos", 300);
    config.Value("XSize", 600).Value("YSize", 500).Close("MainFrame");
    WriteConfig(config);
    MainFrame& frame = Start();
    const auto centred = [&frame](wxDialog& dialog)
    {
        const wxPoint offset =
            dialog.GetRect().GetPosition() + dialog.GetSize() / 2 -
            (frame.GetScreenRect().GetPosition() + frame.GetScreenRect().GetSize() / 2);
        EXPECT_LE(std::abs(offset.x) + std::abs(offset.y), 40) << dialog.GetTitle();
        return wxID_OK;
    };
    wxTEST_DIALOG(session->RunFirstRun(), ExpectDialog<OptionsDialog>(centred),
                  ExpectDialog<WorkingTimeDialog>(centred));
}

TEST_F(PlacementTest, TheFirstStartShowsTheWholeToolBarAndStatusLineAndAStoredSizeStays)
{
    ConfigText config = OneTodo();
    config.Open("WorkingTime").Value("Actual", -3600 * 123).Close("WorkingTime");
    WriteConfig(config);
    MainFrame& frame = Start();
    EXPECT_GE(frame.GetToolBar()->GetSize().x, frame.GetToolBar()->GetBestSize().x);
    Screenshot(frame, "first-start"); // painted, as the user sees it
    EXPECT_FALSE(frame.GetStatusBar()->GetField(0).IsEllipsized())
        << frame.GetStatusBar()->GetStatusText(0);
    EndSession();

    config.Open("MainFrame").Value("XPos", 40).Value("YPos", 30);
    config.Value("XSize", 420).Value("YSize", 300).Close("MainFrame");
    WriteConfig(config);
    EXPECT_EQ(Start().GetSize(), wxSize(420, 300));
}

// The script that ./run uses without a display: it ends by itself in every state the program
// can be in, and leaves its screenshot.
using EscapeTest = MessageBoxTest;

TEST_F(EscapeTest, EscInAnOpenMenuOnlyClosesItAndPausesOnlyFromTheTree)
{
    WriteConfig(OneTodo());
    MainFrame& frame = Start();
    App().Activate(TodoNamed("P", "One"));
    int menusOpen = 0;
    frame.Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) { ++menusOpen, event.Skip(); });
    frame.Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) { --menusOpen, event.Skip(); });
    frame.Raise();
    frame.GetView().SetFocus();
    Pump(500);

    // The File menu, opened by a click on its title as a mouse user does.
    const wxRect bar = frame.GetMenuBar()->GetScreenRect();
    Xdotool(wxString::Format("mousemove %d %d click 1", bar.x + 15, bar.y + bar.height / 2)
                .ToStdString());
    ASSERT_TRUE(PumpUntil([&] { return menusOpen > 0; })) << "the menu did not open";
    Pump(300);
    Xdotool("key Escape");
    EXPECT_TRUE(PumpUntil([&] { return menusOpen == 0; })) << "the menu stayed open";
    Pump(500);
    EXPECT_EQ(&TodoNamed("P", "One"), App().GetActiveTodo());

    frame.GetView().SetFocus();
    Pump(300);
    Xdotool("key Escape");
    EXPECT_TRUE(PumpUntil([&] { return App().GetActiveTodo() == nullptr; }));
    // The pointer leaves the window, so that it rests over no other test's tool bar.
    Xdotool("mousemove 1590 1190");
    Pump(300);
}

// Esc in a sub-menu closes only the sub-menu, a second Esc the menu, and the running todo runs
// on: with the key in the open menu, and in the window where the window manager leaves it there.
TEST_F(EscapeTest, EscInASubMenuClosesOnlyTheSubMenu)
{
    WriteConfig(OneTodo());
    MainFrame& frame = Start();
    App().Activate(TodoNamed("P", "One"));
    int menusOpen = 0;
    frame.Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) { ++menusOpen, event.Skip(); });
    frame.Bind(wxEVT_MENU_CLOSE, [&](wxMenuEvent& event) { --menusOpen, event.Skip(); });
    wxKeyEvent toWindow(wxEVT_CHAR_HOOK);
    toWindow.m_keyCode = WXK_ESCAPE;
    for (const bool inWindow : {false, true})
    {
        frame.Raise();
        frame.GetView().SetFocus();
        Pump(500);
        Xdotool("key alt+t sleep 0.3 key s"); // the Todo menu, "&Set Priority"
        ASSERT_TRUE(PumpUntil([&] { return menusOpen == 2; })) << "the sub-menu did not open";
        for (const int stillOpen : {1, 0})
        {
            Pump(300);
            inWindow ? void(frame.ProcessWindowEvent(toWindow)) : Xdotool("key Escape");
            PumpUntil([&] { return menusOpen == stillOpen; });
            Pump(300);
            EXPECT_EQ(stillOpen, menusOpen) << (inWindow ? "in the window" : "in the menu");
        }
        EXPECT_EQ(&TodoNamed("P", "One"), App().GetActiveTodo());
    }
    Xdotool("mousemove 1590 1190");
    Pump(300);
}

TEST(HeadlessRunTest, TheScreenshotRunEndsOnAFreshFolderAndOverQuestions)
{
    // A fresh folder opens the first run's dialogs; an open todo asks before quitting.
    for (const std::optional<ConfigText>& config :
         {std::optional<ConfigText>(), std::optional(OneTodo())})
    {
        TestPlaces places;
        if (config)
        {
            const auto file = places.DataFolder() / "Brindlecott" / "Tallydene" / "tallydene.cfg";
            std::filesystem::create_directories(file.parent_path());
            WriteFileBytes(file, config->Text());
        }
        std::filesystem::create_directories(places.Root() / "runtime");
        std::filesystem::permissions(places.Root() / "runtime", std::filesystem::perms::owner_all);
        const std::filesystem::path png = places.Root() / "shot.png";
        const std::string command = "HOME=" + places.HomeFolder().string() +
                                    " XDG_DATA_HOME=" + places.DataFolder().string() +
                                    " XDG_RUNTIME_DIR=" + (places.Root() / "runtime").string() +
                                    " timeout 100 " TALLYDENE_SOURCE_DIR
                                    "/scripts/screenshot-run " TALLYDENE_BINARY_DIR
                                    "/ui/tallydene " +
                                    png.string();
        EXPECT_EQ(std::system(command.c_str()), 0) << (config ? "open todo" : "fresh folder");
        // The picture is of the window, not of the first run's dialog over it (which the
        // window's own picture shows as a black area).
        wxImage picture;
        ASSERT_TRUE(picture.LoadFile(png.string(), wxBITMAP_TYPE_PNG));
        const unsigned char* rgb = picture.GetData();
        const size_t pixels = static_cast<size_t>(picture.GetWidth()) * picture.GetHeight();
        size_t black = 0;
        for (size_t i = 0; i < pixels; ++i)
            black += rgb[3 * i] == 0 && rgb[3 * i + 1] == 0 && rgb[3 * i + 2] == 0;
        EXPECT_LT(black, pixels / 20) << (config ? "open todo" : "fresh folder");
    }
}

} // namespace
