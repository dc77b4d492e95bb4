#include "tests/app/ViewScenario.h"

#include "app/commands/AppCommands.h"
#include "app/commands/CommandTable.h"
#include "res/Commands.h"

#include <set>

using namespace res;

namespace
{

void CollectMenu(const MenuSpec& menu, std::set<int>& ids)
{
    for (const MenuItemSpec& item : menu.items)
    {
        if (item.submenu != nullptr)
            CollectMenu(*item.submenu, ids);
        else if (item.id != 0)
            ids.insert(item.id);
    }
}

// Every command a user can give: the menu bar, the context menus, the keys and the tool bar.
std::set<int> GivenCommands()
{
    std::set<int> ids;
    for (const MenuSpec& menu : MainMenuBar())
        CollectMenu(menu, ids);
    CollectMenu(ProjectContextMenu(), ids);
    CollectMenu(TodoContextMenu(), ids);
    for (const AcceleratorSpec& key : MainAccelerators())
        ids.insert(key.id);
    for (const int id : MainToolBar())
        if (id != 0)
            ids.insert(id);
    return ids;
}

} // namespace

TEST(CommandTable, HoldsEveryGivenCommandOnceAndOnlyTheWindowsOwnAreLeftOut)
{
    std::set<int> tabled;
    for (const Command& command : AllCommands())
    {
        EXPECT_TRUE(tabled.insert(command.id).second) << command.name << " is in the table twice";
        EXPECT_EQ(&command, FindCommand(command.id)) << command.name;
        EXPECT_NE(command.name, nullptr);
    }
    const std::set<int> windowsOwn = {ID_APP_EXIT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR};
    for (int id : GivenCommands())
        EXPECT_NE(tabled.count(id), windowsOwn.count(id)) << "command " << id;
    EXPECT_EQ(nullptr, FindCommand(ID_APP_EXIT));
}

class CommandEffects : public ViewScenario
{
};

// What undo and the history rely on: a command that says it only reads changes no byte of the
// data file or the event log, whatever is selected.
TEST_F(CommandEffects, ACommandThatOnlyReadsLeavesTheFilesAsTheyWere)
{
    StartWith({{"Office", 900, {{"Report", 600, 2, "a comment"}}}});
    AppCommands appCommands(*app, prompts, dialogs);
    app->UpdateTime(); // the start's save, which adds the ids the file had not
    const std::string config = SavedConfig();
    for (const TreeItem* selected :
         {static_cast<TreeItem*>(&T("Office", "Report")), static_cast<TreeItem*>(&P("Office"))})
    {
        for (const Command& command : AllCommands())
        {
            if (command.effect != CommandEffect::Reads)
                continue;
            Select(*selected);
            EXPECT_TRUE(Run(command.id) || appCommands.Execute(command.id)) << command.name;
            EXPECT_EQ(config, SavedConfig()) << command.name;
            EXPECT_TRUE(Logged().empty()) << command.name;
            // The report only shows; no other dialog may open.
            EXPECT_TRUE(dialogs.opened.empty() ||
                        dialogs.opened == std::vector<std::string>{"report"})
                << command.name;
            dialogs.opened.clear();
        }
    }
}
