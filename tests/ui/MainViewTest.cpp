#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxText.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/dialogs/TodoDialog.h"

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <vector>

namespace
{

// Four projects, stored in no particular order: one with a comment and todos of every kind,
// one collapsed, one without todos.
ConfigText PreparedData()
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 3).Value("WorkingTimeEnabled", 1).Close("Options");
    config.Open("WorkingTime").Value("Actual", 5400).Close("WorkingTime");
    config.Open("Projects");
    config.Open("Website").Value("Comment", "Customer site").Value("TotalTime", 43500);
    config.Open("Todos")
        .Todo("Mail", 0, 3900, "note")
        .Todo("Layout", 2, 0)
        .Todo("Deploy", 5, 7200)
        .Todo("adverts", 1, 600)
        .Close("Todos")
        .Close("Website");
    config.Open("alpha").Value("TotalTime", 1800);
    config.Open("Todos").Todo("Write", 4, 1800).Todo("Read", 3, 0).Close("Todos").Close("alpha");
    config.Open("Gamma").Value("Expanded", 0).Value("TotalTime", 100);
    config.Open("Todos").Todo("Hidden one", 2, 100).Close("Todos").Close("Gamma");
    config.Open("Beta").Close("Beta");
    config.Close("Projects");
    return config;
}

struct Node
{
    std::string text;
    int image;
    int state;
    bool expanded;
};

std::vector<Node> Children(VirtualTree& tree, const wxTreeItemId& parent)
{
    std::vector<Node> nodes;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId id = tree.GetFirstChild(parent, cookie); id.IsOk();
         id = tree.GetNextChild(parent, cookie))
        nodes.push_back({FromWx(tree.GetItemText(id)), tree.GetItemImage(id), tree.GetItemState(id),
                         tree.IsExpanded(id)});
    return nodes;
}

std::vector<std::string> Names(const std::vector<Node>& nodes)
{
    std::vector<std::string> names;
    for (const Node& node : nodes)
        names.push_back(node.text.substr(node.text.find_last_of(' ') + 1));
    return names;
}

class MainViewTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WriteConfig(PreparedData());
        Start();
    }

    // The commands that reach the main window, in order.
    void RecordCommands()
    {
        Frame()->Bind(wxEVT_MENU,
                      [this](wxCommandEvent& event)
                      {
                          commands.push_back(res::CommandOf(event.GetId()));
                          event.Skip();
                      });
    }

    wxPoint ScreenPointOf(const wxTreeItemId& node)
    {
        wxRect rect;
        EXPECT_TRUE(Tree().GetBoundingRect(node, rect, true));
        return Tree().ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
    }

    std::vector<int> commands;
};

TEST_F(MainViewTest, ShowsTheProjectsAndTodosSortedWithTheirLabelsAndPictures)
{
    VirtualTree& tree = Tree();
    const std::vector<Node> projects = Children(tree, tree.GetRootItem());
    EXPECT_EQ(Names(projects), (std::vector<std::string>{"alpha", "Beta", "Gamma", "Website"}));

    // A project: its todos' time, its total, its name; a window picture, red with time, lined
    // with a comment; no priority disc.
    EXPECT_EQ(projects[3].text, "  3:15  [12:05]  Website");
    EXPECT_EQ(projects[3].image, 3);
    EXPECT_EQ(projects[0].image, 7);  // time, no comment
    EXPECT_EQ(projects[1].image, 15); // no todos
    EXPECT_EQ(projects[3].state, wxTREE_ITEMSTATE_NONE);

    // The project stored collapsed shows collapsed, its todo inside.
    EXPECT_FALSE(projects[2].expanded);
    EXPECT_TRUE(projects[3].expanded);
    EXPECT_EQ(tree.GetChildrenCount(NodeOf("Gamma")), 1u);

    // Todos: urgent first, completed last; the priority disc as state image.
    const std::vector<Node> todos = Children(tree, NodeOf("Website"));
    EXPECT_EQ(Names(todos), (std::vector<std::string>{"Mail", "adverts", "Layout", "Deploy"}));
    EXPECT_EQ(todos[0].text, "    1:05    Mail");
    EXPECT_EQ(todos[0].image, 4);  // red page with lines: time and a comment
    EXPECT_EQ(todos[2].image, 16); // empty white page
    std::vector<int> states;
    for (const Node& todo : todos)
        states.push_back(todo.state);
    EXPECT_EQ(states, (std::vector<int>{9, 10, 11, 14}));
    EXPECT_EQ(Names(Children(tree, NodeOf("alpha"))), (std::vector<std::string>{"Read", "Write"}));

    // The same pictures serve as normal and as state images.
    ASSERT_NE(tree.GetImageList(), nullptr);
    ASSERT_NE(tree.GetStateImageList(), nullptr);
    EXPECT_EQ(tree.GetImageList()->GetImageCount(), 17);
    EXPECT_EQ(tree.GetStateImageList()->GetImageCount(), 17);

    // The first clock update has put the account summary in the status line.
    EXPECT_EQ(FromWx(Frame()->GetStatusBar()->GetStatusText()),
              "Open todos: 3:47      Projects: 12:37      Working time: 1:30");
    EXPECT_EQ(Frame()->GetTitle(), "Paused - Tallydene");
}

TEST_F(MainViewTest, TheActiveTodosProjectCannotBeCollapsedOthersCanAndStaySo)
{
    App().Activate(TodoNamed("Website", "Mail"));
    EXPECT_EQ(Frame()->GetTitle(), "Mail - Tallydene");

    wxTEST_DIALOG(Tree().Collapse(NodeOf("Website")),
                  ExpectMessageBox("You cannot collapse a project with an active todo.",
                                   wxICON_INFORMATION, wxOK));
    EXPECT_TRUE(Tree().IsExpanded(NodeOf("Website")));
    EXPECT_TRUE(ProjectNamed("Website").IsExpanded());

    Tree().Collapse(NodeOf("alpha"));
    EXPECT_FALSE(ProjectNamed("alpha").IsExpanded());
    Tree().Expand(NodeOf("Gamma"));
    EXPECT_TRUE(ProjectNamed("Gamma").IsExpanded());

    EndSession();
    const std::string saved = ReadConfig();
    const auto alpha = saved.find("<alpha>");
    ASSERT_NE(alpha, std::string::npos);
    EXPECT_NE(saved.substr(alpha, saved.find("</alpha>") - alpha).find("<Expanded>0</>"),
              std::string::npos);
}

TEST_F(MainViewTest, DoubleClickOnANodeActivatesInsteadOfExpanding)
{
    RecordCommands();
    wxUIActionSimulator mouse;

    mouse.MouseMove(ScreenPointOf(NodeOf("alpha")));
    Pump(50);
    mouse.MouseDblClick();
    Pump(200);
    EXPECT_TRUE(Tree().IsExpanded(NodeOf("alpha")));

    mouse.MouseMove(ScreenPointOf(NodeOf("Write")));
    Pump(50);
    mouse.MouseDblClick();
    Pump(200);

    EXPECT_EQ(Frame()->GetViewCommands().TodoOfSelection(), &TodoNamed("alpha", "Write"));

    // The whole row counts, the space right of the label too.
    wxRect label;
    ASSERT_TRUE(Tree().GetBoundingRect(NodeOf("alpha"), label, true));
    mouse.MouseMove(
        Tree().ClientToScreen(wxPoint(label.GetRight() + 20, label.GetTop() + label.height / 2)));
    Pump(50);
    mouse.MouseDblClick();
    Pump(200);
    EXPECT_TRUE(Tree().IsExpanded(NodeOf("alpha")));

    EXPECT_EQ(commands, (std::vector<int>{res::ID_ITEM_ACTIVATE, res::ID_TODO_ACTIVATE,
                                          res::ID_ITEM_ACTIVATE}));
}

TEST_F(MainViewTest, ContextMenuOnlyOverANodesRow)
{
    wxRect last;
    ASSERT_TRUE(Tree().GetBoundingRect(NodeOf("Deploy"), last, true));
    const wxPoint belowLast = Tree().ClientToScreen(last.GetBottomLeft() + wxPoint(0, 40));
    EXPECT_FALSE(Frame()->GetView().ShowContextMenu(belowLast));
    // Right of a label is still on its node.
    ASSERT_TRUE(Tree().GetBoundingRect(NodeOf("Deploy"), last, true));
    const wxPoint rightOfLast = Tree().ClientToScreen(last.GetTopRight() + wxPoint(20, 2));
    wxTheApp->CallAfter(
        []
        {
            wxUIActionSimulator keys;
            keys.Char(WXK_ESCAPE);
        });
    EXPECT_TRUE(Frame()->GetView().ShowContextMenu(rightOfLast));
    EXPECT_EQ(Frame()->GetViewCommands().TodoOfSelection(), &TodoNamed("Website", "Deploy"));

    // Over a node the node is selected and its menu opens; a key closes it again.
    wxTheApp->CallAfter(
        []
        {
            wxUIActionSimulator keys;
            keys.Char(WXK_ESCAPE);
        });
    EXPECT_TRUE(Frame()->GetView().ShowContextMenu(ScreenPointOf(NodeOf("Layout"))));
    EXPECT_EQ(Frame()->GetViewCommands().TodoOfSelection(), &TodoNamed("Website", "Layout"));
    EXPECT_EQ(Frame()->GetViewCommands().ProjectOfSelection(), &ProjectNamed("Website"));
}

TEST_F(MainViewTest, ShortcutKeysReachTheCommandsThatActOnTheSelection)
{
    RecordCommands();
    Tree().SetFocus();
    Tree().SelectItem(NodeOf("Mail"));
    Pump(50);
    wxUIActionSimulator keys;
    const struct
    {
        int key;
        int modifiers;
    } presses[] = {{'C', wxMOD_CONTROL},
                   {WXK_INSERT, wxMOD_CONTROL},
                   {'C', wxMOD_CONTROL | wxMOD_SHIFT},
                   {WXK_DELETE, 0},
                   {WXK_NUMPAD_DELETE, 0},
                   {WXK_RETURN, 0},
                   {WXK_NUMPAD_ENTER, 0},
                   {WXK_SPACE, 0},
                   {WXK_INSERT, 0},
                   {WXK_NUMPAD_INSERT, 0},
                   {WXK_INSERT, wxMOD_SHIFT},
                   {'3', wxMOD_CONTROL},
                   {WXK_F8, 0},
                   {WXK_ESCAPE, 0}};
    // The commands run: Delete asks about Mail, Enter and Insert open the todo dialog,
    // Shift+Insert the project dialog. The keypad's keys act as the main block's.
    wxTEST_DIALOG(
        for (const auto& press
             : presses) {
            keys.Char(press.key, press.modifiers);
            Pump(30);
        },
        ExpectMessageBox("Are you sure to delete this todo?", wxICON_QUESTION, wxNO),
        ExpectMessageBox("Are you sure to delete this todo?", wxICON_QUESTION, wxNO),
        wxExpectDismissableModal<TodoDialog>(wxID_CANCEL),
        wxExpectDismissableModal<TodoDialog>(wxID_CANCEL),
        wxExpectDismissableModal<TodoDialog>(wxID_CANCEL),
        wxExpectDismissableModal<TodoDialog>(wxID_CANCEL),
        wxExpectDismissableModal<ProjectDialog>(wxID_CANCEL));
    EXPECT_EQ(commands, (std::vector<int>{
                            res::ID_ITEM_COPY_NAME, res::ID_ITEM_COPY_NAME, res::ID_ITEM_COPY_TIME,
                            res::ID_ITEM_DELETE, res::ID_ITEM_DELETE, res::ID_ITEM_PROPERTIES,
                            res::ID_ITEM_PROPERTIES, res::ID_ITEM_ACTIVATE, res::ID_TODO_NEW,
                            res::ID_TODO_NEW, res::ID_PROJECT_NEW, res::ID_TODO_PRIORITY_3,
                            res::ID_TODO_COMPLETED, res::ID_TODO_PAUSE}));
}

} // namespace

namespace
{

class LongMainView : public WindowTest
{
protected:
    void SetUp() override
    {
        // 10,000 projects of 10 todos: 110,000 rows.
        ConfigText config;
        config.Open("Projects");
        char name[16];
        for (int p = 0; p < 10000; ++p)
        {
            std::snprintf(name, sizeof name, "P%05d", p);
            config.Open(name).Open("Todos");
            for (int t = 0; t < 10; ++t)
                config.Todo("T" + std::to_string(t), t % 6, t * 60);
            config.Close("Todos").Close(name);
        }
        config.Close("Projects");
        WriteConfig(config);
        Start();
    }

    // Whether the node's label lies wholly in the tree's window and something is drawn there.
    bool ShowsLabelOf(const wxTreeItemId& node)
    {
        wxRect label;
        if (!Tree().GetBoundingRect(node, label, true) || !Tree().GetClientRect().Contains(label))
            return false;
        const wxImage pixels(Screenshot(Tree(), "long-tree").string());
        const wxPoint client = Tree().ClientToScreen(wxPoint()) - Tree().GetScreenPosition();
        const wxColour background = Tree().GetBackgroundColour();
        int drawn = 0;
        for (int x = label.x; x < label.GetRight(); ++x)
            for (int y = label.y; y < label.GetBottom(); ++y)
                drawn += wxColour(pixels.GetRed(client.x + x, client.y + y),
                                  pixels.GetGreen(client.x + x, client.y + y),
                                  pixels.GetBlue(client.x + x, client.y + y)) != background;
        return drawn > 10;
    }
};

TEST_F(LongMainView, TheEndKeyScrollsToTheLastTodoAndShowsIt)
{
    const Project& lastProject = *App().GetProjects().Get(App().GetProjects().Count() - 1);
    const Todo& lastTodo = *lastProject.GetTodos().Get(lastProject.GetTodos().Count() - 1);
    const wxTreeItemId last(App().GetMainTree()->NodeOf(lastTodo));
    const wxTreeItemId first(App().GetMainTree()->NodeOf(*App().GetProjects().Get(0)));
    EXPECT_EQ(110000u, Tree().GetCount());
    EXPECT_TRUE(ShowsLabelOf(first));
    EXPECT_FALSE(ShowsLabelOf(last));

    Tree().SetFocus();
    Tree().SelectItem(first);
    wxUIActionSimulator keys;
    keys.Char(WXK_END);
    Pump(200);
    EXPECT_EQ(last, Tree().GetSelection());
    EXPECT_TRUE(ShowsLabelOf(last));
    EXPECT_FALSE(ShowsLabelOf(first));
    int flags = 0;
    wxRect row;
    ASSERT_TRUE(Tree().GetBoundingRect(last, row));
    EXPECT_EQ(last, Tree().HitTest(row.GetPosition() + wxPoint(row.width / 2, 2), flags));

    // Collapsing the last project from the keyboard takes its todos off the end.
    keys.Char(WXK_LEFT);
    keys.Char(WXK_LEFT);
    Pump(200);
    EXPECT_FALSE(Tree().IsExpanded(wxTreeItemId(App().GetMainTree()->NodeOf(lastProject))));
    EXPECT_FALSE(lastProject.IsExpanded());
    EXPECT_TRUE(ShowsLabelOf(wxTreeItemId(App().GetMainTree()->NodeOf(lastProject))));
    keys.Char(WXK_HOME);
    Pump(200);
    EXPECT_TRUE(ShowsLabelOf(first));
}

} // namespace
