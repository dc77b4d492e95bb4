#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "toolbox/ConfigSection.h"
#include "ui/MainFrame.h"
#include "ui/TrayTooltip.h"
#include "ui/VirtualTree.h"
#include "ui/WxText.h"

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/timer.h>
#include <wx/toolbar.h>

namespace
{

class MainFrameTest : public WindowTest
{
protected:
    toolbox::ConfigSection& Placement()
    {
        return App().GetConfig().GetRoot().GetSection("MainFrame");
    }
};

TEST_F(MainFrameTest, MenuBarAndToolBarCarryEveryCommandWithItsTextsAndPrompts)
{
    MainFrame& frame = Start();
    wxMenuBar& bar = *frame.GetMenuBar();
    ASSERT_EQ(bar.GetMenuCount(), res::MainMenuBar().size());
    int entries = 0;
    for (size_t position = 0; position < res::MainMenuBar().size(); ++position)
    {
        const res::MenuSpec& popup = res::MainMenuBar()[position];
        EXPECT_EQ(FromWx(bar.GetMenuLabel(position)), popup.title);
        for (const res::MenuItemSpec& entry : popup.items)
        {
            if (entry.IsSeparator() || entry.submenu)
                continue;
            ++entries;
            wxMenuItem* item = bar.FindItem(res::WxIdOf(entry.id));
            const std::string label =
                res::MenuLabelOf(entry.id, false, [](const char* s) { return std::string(s); });
            ASSERT_NE(item, nullptr) << label;
            EXPECT_EQ(FromWx(item->GetItemLabel()), label);
            EXPECT_EQ(FromWx(item->GetHelp()), res::StatusPromptOf(entry.id));
        }
    }
    EXPECT_GT(entries, 25);
    EXPECT_NE(bar.FindItem(res::WxIdOf(res::ID_TODO_PRIORITY_5)), nullptr);

    wxToolBar& tools = *frame.GetToolBar();
    int buttons = 0;
    for (const int id : res::MainToolBar())
    {
        if (id == 0)
            continue;
        ++buttons;
        EXPECT_EQ(FromWx(tools.GetToolShortHelp(res::WxIdOf(id))), res::TooltipOf(id));
        EXPECT_EQ(FromWx(tools.GetToolLongHelp(res::WxIdOf(id))), res::StatusPromptOf(id));
    }
    EXPECT_EQ(tools.GetToolsCount(), res::MainToolBar().size());
    EXPECT_EQ(buttons, 11);

    // The "&Overtime" menu follows the working-time option.
    EXPECT_TRUE(bar.IsEnabledTop(res::kOvertimeMenuPosition));
    App().GetOptions().SetWorkingTimeEnabled(false);
    frame.UpdateMenu();
    EXPECT_FALSE(bar.IsEnabledTop(res::kOvertimeMenuPosition));
}

TEST_F(MainFrameTest, StatusBarShowsTheSummaryWheneverNoPromptIs)
{
    MainFrame& frame = Start();
    wxStatusBar& status = *frame.GetStatusBar();
    // The summary, and beside it today's work, which a prompt leaves standing.
    EXPECT_EQ(status.GetFieldsCount(), 2);

    frame.SetStatusText(std::string("Open todos: 0:00      Projects: 0:00"));
    frame.DoGiveHelp("Create a new todo.", true);
    EXPECT_EQ(status.GetStatusText(), "Create a new todo.");
    EXPECT_EQ(status.GetStatusText(1), "Today: 0.0");
    // A clock tick while the prompt stands only changes what comes back after it.
    frame.SetStatusText(std::string("Open todos: 0:01      Projects: 0:01"));
    EXPECT_EQ(status.GetStatusText(), "Create a new todo.");
    frame.DoGiveHelp(wxString(), false);
    EXPECT_EQ(status.GetStatusText(), "Open todos: 0:01      Projects: 0:01");
    // A menu entry without a prompt (a separator, a sub-menu) shows the summary too.
    frame.DoGiveHelp(wxString(), true);
    EXPECT_EQ(status.GetStatusText(), "Open todos: 0:01      Projects: 0:01");
}

TEST_F(MainFrameTest, FirstStartEntersTheDefaultPlacementAndAMoveIsStored)
{
    MainFrame& frame = Start();
    EXPECT_EQ(frame.GetPosition(), wxPoint(50, 50));
    toolbox::ConfigSection& placement = Placement();
    for (const char* key : {"XPos", "YPos", "XSize", "YSize", "Maximized"})
        EXPECT_TRUE(placement.HasParameter(key)) << key;
    EXPECT_EQ(placement.GetInt("YSize", 0), 350);
    EXPECT_FALSE(placement.GetBool("Maximized", true));

    frame.Move(220, 140);
    EXPECT_TRUE(PumpUntil([&] { return placement.GetInt("XPos", 0) == 220; }));
    EXPECT_EQ(placement.GetInt("YPos", 0), 140);
    EndSession();
    EXPECT_NE(ReadConfig().find("<XPos>220</>"), std::string::npos);
}

TEST_F(MainFrameTest, AMaximisedWindowRestartsMaximisedKeepingItsNormalPlacement)
{
    ConfigText config;
    config.Open("MainFrame")
        .Value("Maximized", 1)
        .Value("XPos", 120)
        .Value("YPos", 90)
        .Value("XSize", 500)
        .Value("YSize", 400)
        .Close("MainFrame");
    WriteConfig(config);

    for (int run = 0; run < 2; ++run)
    {
        MainFrame& frame = Start();
        EXPECT_TRUE(frame.IsMaximized()) << "run " << run;
        EndSession();
        const std::string saved = ReadConfig();
        EXPECT_NE(saved.find("<Maximized>1</>"), std::string::npos);
        EXPECT_NE(saved.find("<XPos>120</>"), std::string::npos);
        EXPECT_NE(saved.find("<XSize>500</>"), std::string::npos);
    }
}

TEST_F(MainFrameTest, TitleAndScreenshotsFollowTheActiveTodo)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Close("Options");
    config.Open("MainFrame").Value("XSize", 520).Value("YSize", 420).Close("MainFrame");
    config.Open("Projects");
    config.Open("Garden").Value("Comment", "Back yard").Value("TotalTime", 9000);
    config.Open("Todos")
        .Todo("Mow the lawn", 0, 2700)
        .Todo("Plant tulips", 2, 0, "Red ones")
        .Todo("Fix the fence", 5, 5400)
        .Close("Todos")
        .Close("Garden");
    config.Open("Website").Value("TotalTime", 3600);
    config.Open("Todos")
        .Todo("Answer mail", 1, 1200)
        .Todo("New layout", 3, 0)
        .Todo("Miscellaneous", 4, 600)
        .Close("Todos")
        .Close("Website");
    config.Open("Tax return").Value("Expanded", 0);
    config.Open("Todos").Todo("Receipts", 2, 0).Close("Todos").Close("Tax return");
    config.Close("Projects");
    WriteConfig(config);

    MainFrame& frame = Start();
    EXPECT_EQ(frame.GetTitle(), "Paused - Tallydene");
    const auto paused = Screenshot(frame, "main-window-paused");
    EXPECT_GT(std::filesystem::file_size(paused), 1000u);

    App().Activate(TodoNamed("Garden", "Mow the lawn"));
    ProjectNamed("Garden").Refresh(App());
    EXPECT_EQ(frame.GetTitle(), "Mow the lawn - Tallydene");
    EXPECT_EQ(Tree().GetItemImage(NodeOf("Mow the lawn")), 0); // the note pad with the pen
    Tree().SelectItem(NodeOf("Mow the lawn"));
    const auto active = Screenshot(frame, "main-window-active");
    EXPECT_GT(std::filesystem::file_size(active), 1000u);

    App().Pause();
    EXPECT_EQ(frame.GetTitle(), "Paused - Tallydene");
}

TEST(TrayTooltipTest, CutsToSixtyThreeCharactersNeverInsideACharacter)
{
    EXPECT_EQ(CutToCharacters("Paused", 63), "Paused");
    const std::string ascii(70, 'x');
    EXPECT_EQ(CutToCharacters(ascii, 63), std::string(63, 'x'));
    // "ä" is two bytes, "€" three: 63 characters, however many bytes they take.
    std::string mixed;
    for (int i = 0; i < 80; ++i)
        mixed += i % 2 ? "\xC3\xA4" : "\xE2\x82\xAC";
    const std::string cut = CutToCharacters(mixed, 63);
    EXPECT_EQ(cut.size(), 32u * 3 + 31u * 2);
    EXPECT_TRUE(wxString::FromUTF8(cut.data(), cut.size()).length() == 63);
    // A broken sequence counts byte by byte, and a cut never completes it.
    EXPECT_EQ(CutToCharacters("ab\xE2\x82", 3), "ab\xE2");
    EXPECT_EQ(CutToCharacters("\xE2\x82\xAC\xE2\x82\xAC", 1), "\xE2\x82\xAC");
}

class TrayTooltipAppTest : public WindowTest
{
};

TEST_F(TrayTooltipAppTest, ShowsTheRunningTodoAndTheBalance)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Value("WorkingTimeEnabled", 1).Close("Options");
    config.Open("WorkingTime").Value("Actual", 5400).Close("WorkingTime");
    config.Open("Projects").Open("P").Open("Todos");
    config.Todo("Mail", 2, 3900).Todo(std::string(70, 'n'), 2, 0);
    config.Close("Todos").Close("P").Close("Projects");
    WriteConfig(config);
    session = std::make_unique<AppSession>(clock);

    EXPECT_EQ(TrayTooltip(App()), "Paused - Working time: 1:30");
    App().GetOptions().SetWorkingTimeEnabled(false);
    EXPECT_EQ(TrayTooltip(App()), "Paused");
    App().Activate(TodoNamed("P", "Mail"));
    EXPECT_EQ(TrayTooltip(App()), "Mail: 1:05");
    App().GetOptions().SetWorkingTimeEnabled(true);
    EXPECT_EQ(TrayTooltip(App()), "Mail: 1:05 - Working time: 1:30");
    App().Activate(TodoNamed("P", std::string(70, 'n')));
    EXPECT_EQ(TrayTooltip(App()), std::string(63, 'n'));
}

} // namespace

namespace
{

class MainFrameCommandTest : public WindowTest
{
};

TEST_F(MainFrameCommandTest, TheMinuteTimerBooksTimeAndTheBarsCanBeHidden)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Value("WorkingTimeEnabled", 0).Close("Options");
    config.Open("Projects").Open("P").Open("Todos").Todo("Mail", 2, 0);
    config.Close("Todos").Close("P").Close("Projects");
    WriteConfig(config);
    MainFrame& frame = Start();
    App().Activate(TodoNamed("P", "Mail"));

    clock.now.tm_min += 10;
    wxTimer sameId(&frame, 1); // a tick as the window's own timer gives it
    wxTimerEvent tick(sameId);
    frame.ProcessWindowEvent(tick);
    EXPECT_EQ(TodoNamed("P", "Mail").GetTime(), 600);
    EXPECT_EQ(FromWx(frame.GetStatusBar()->GetStatusText()),
              "Open todos: 0:10      Projects: 0:10");
    // Today's work in a field of its own, the running session with the ended ones; the running
    // todo's row in bold until it pauses.
    EXPECT_EQ(FromWx(frame.GetStatusBar()->GetStatusText(1)), "Today: 0:10");
    EXPECT_TRUE(Tree().IsBold(NodeOf("Mail")));
    App().Pause();
    clock.now.tm_min += 5;
    App().Activate(TodoNamed("P", "Mail"));
    clock.now.tm_min += 5;
    frame.ProcessWindowEvent(tick);
    EXPECT_EQ(FromWx(frame.GetStatusBar()->GetStatusText(1)), "Today: 0:15");
    App().Pause();
    EXPECT_FALSE(Tree().IsBold(NodeOf("Mail")));
    EXPECT_EQ(FromWx(frame.GetStatusBar()->GetStatusText(1)), "Today: 0:15");

    wxCommandEvent hideToolBar(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_TOOLBAR));
    frame.ProcessWindowEvent(hideToolBar);
    EXPECT_FALSE(frame.GetToolBar()->IsShown());
    EXPECT_FALSE(frame.GetMenuBar()->IsChecked(res::WxIdOf(res::ID_VIEW_TOOLBAR)));
    wxCommandEvent hideStatusBar(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_STATUS_BAR));
    frame.ProcessWindowEvent(hideStatusBar);
    EXPECT_FALSE(frame.GetStatusBar()->IsShown());
    frame.ProcessWindowEvent(hideToolBar);
    EXPECT_TRUE(frame.GetToolBar()->IsShown());
}

} // namespace
