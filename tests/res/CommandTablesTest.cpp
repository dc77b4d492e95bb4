#include "res/Accelerators.h"
#include "res/CommandIds.h"
#include "res/CommandPrompts.h"
#include "res/Icons.h"
#include "res/Menus.h"
#include "res/ToolBar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace res;

namespace
{

struct Entry
{
    std::string menu;
    const MenuItemSpec* item;
};

// Every command entry of the main menu, its sub-menus and the context menus.
std::vector<Entry> AllCommandEntries()
{
    std::vector<Entry> entries;
    auto walk = [&](auto&& self, const MenuSpec& menu, const std::string& name) -> void
    {
        for (const MenuItemSpec& item : menu.items)
        {
            if (item.submenu != nullptr)
                self(self, *item.submenu, name + " > " + item.label);
            else if (!item.IsSeparator())
                entries.push_back({name, &item});
        }
    };
    for (const MenuSpec& popup : MainMenuBar())
        walk(walk, popup, popup.title);
    walk(walk, ProjectContextMenu(), "project context menu");
    walk(walk, TodoContextMenu(), "todo context menu");
    return entries;
}

std::string ShortcutOf(const char* label)
{
    const std::string text(label);
    const auto tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

// Reads a shortcut as the menus spell it ("Ctrl+Shift+C", "Shift+Ins", "Esc").
bool ParseShortcut(const std::string& text, unsigned& modifiers, Key& key)
{
    static const std::map<std::string, Key> keys = {
        {"Space", Key::Space}, {"Enter", Key::Enter}, {"Esc", Key::Escape}, {"Ins", Key::Insert},
        {"Del", Key::Delete},  {"F1", Key::F1},       {"F5", Key::F5},      {"F6", Key::F6},
        {"F7", Key::F7},       {"F8", Key::F8},       {"F9", Key::F9},      {"F10", Key::F10},
        {"C", Key::C},         {"H", Key::H},         {"X", Key::X},        {"Y", Key::Y},
        {"Z", Key::Z},         {"1", Key::Digit1},    {"2", Key::Digit2},   {"3", Key::Digit3},
        {"4", Key::Digit4},    {"5", Key::Digit5}};
    modifiers = kNoModifier;
    std::string rest = text;
    for (const auto& [prefix, flag] :
         {std::pair{"Ctrl+", kCtrl}, std::pair{"Shift+", kShift}, std::pair{"Alt+", kAlt}})
    {
        if (rest.rfind(prefix, 0) == 0)
        {
            modifiers |= flag;
            rest = rest.substr(std::string(prefix).size());
        }
    }
    const auto found = keys.find(rest);
    if (found == keys.end())
        return false;
    key = found->second;
    return true;
}

const AcceleratorSpec* FindAccelerator(unsigned modifiers, Key key)
{
    for (const AcceleratorSpec& a : MainAccelerators())
        if (a.modifiers == modifiers && a.key == key)
            return &a;
    return nullptr;
}

// The item-level command that a project or todo command's shortcut reaches.
int GenericCommandOf(int id)
{
    static const std::map<int, int> generic = {
        {ID_PROJECT_COPY_NAME, ID_ITEM_COPY_NAME},   {ID_TODO_COPY_NAME, ID_ITEM_COPY_NAME},
        {ID_PROJECT_COPY_TIME, ID_ITEM_COPY_TIME},   {ID_TODO_COPY_TIME, ID_ITEM_COPY_TIME},
        {ID_PROJECT_DELETE, ID_ITEM_DELETE},         {ID_TODO_DELETE, ID_ITEM_DELETE},
        {ID_PROJECT_PROPERTIES, ID_ITEM_PROPERTIES}, {ID_TODO_PROPERTIES, ID_ITEM_PROPERTIES},
        {ID_TODO_ACTIVATE, ID_ITEM_ACTIVATE}};
    const auto found = generic.find(id);
    return found == generic.end() ? id : found->second;
}

std::vector<std::string> Titles(std::span<const MenuSpec> menus)
{
    std::vector<std::string> titles;
    for (const MenuSpec& m : menus)
        titles.push_back(m.title);
    return titles;
}

} // namespace

TEST(MenuTables, MenuBarHasItsPopupsInOrderAndOvertimeWhereTheFrameGreysIt)
{
    const std::vector<std::string> expected = {"&File",  "&Project", "&Todo", "&Overtime",
                                               "T&ools", "&View",    "&Help"};
    EXPECT_EQ(Titles(MainMenuBar()), expected);
    EXPECT_STREQ(MainMenuBar()[kOvertimeMenuPosition].title, "&Overtime");
}

TEST(MenuTables, EveryEntryIsWellFormed)
{
    for (const Entry& e : AllCommandEntries())
    {
        SCOPED_TRACE(e.menu + ": " + e.item->label);
        EXPECT_NE(e.item->id, 0);
        EXPECT_GE(e.item->image, kNoMenuImage);
        EXPECT_LT(e.item->image, kMenuImageCount);
    }
    // No pop-up starts or ends with a separator, and none has two in a row.
    auto check = [](const MenuSpec& menu)
    {
        SCOPED_TRACE(menu.title);
        ASSERT_FALSE(menu.items.empty());
        EXPECT_FALSE(menu.items.front().IsSeparator());
        EXPECT_FALSE(menu.items.back().IsSeparator());
        for (std::size_t i = 1; i < menu.items.size(); ++i)
            EXPECT_FALSE(menu.items[i].IsSeparator() && menu.items[i - 1].IsSeparator());
    };
    for (const MenuSpec& popup : MainMenuBar())
        check(popup);
    check(SetPriorityMenu());
    check(ProjectContextMenu());
    check(TodoContextMenu());
}

TEST(MenuTables, MnemonicsAreSingleAndDistinctWithinEachPopup)
{
    auto check = [](const MenuSpec& menu)
    {
        std::set<char> used;
        for (const MenuItemSpec& item : menu.items)
        {
            if (item.IsSeparator())
                continue;
            const std::string label =
                ShortcutOf(item.label).empty()
                    ? std::string(item.label)
                    : std::string(item.label).substr(0, std::string(item.label).find('\t'));
            SCOPED_TRACE(label);
            const auto amp = label.find('&');
            ASSERT_NE(amp, std::string::npos);
            ASSERT_LT(amp + 1, label.size());
            EXPECT_EQ(label.find('&', amp + 1), std::string::npos);
            const char letter = static_cast<char>(std::tolower(label[amp + 1]));
            EXPECT_TRUE(used.insert(letter).second) << "mnemonic used twice in " << menu.title;
        }
    };
    for (const MenuSpec& popup : MainMenuBar())
        check(popup);
    check(SetPriorityMenu());
    check(ProjectContextMenu());
    check(TodoContextMenu());
}

TEST(MenuTables, ContextMenusHoldTheTreeCommandsWithTheirSeparators)
{
    auto ids = [](const MenuSpec& menu)
    {
        std::vector<int> result;
        for (const MenuItemSpec& item : menu.items)
            result.push_back(item.submenu != nullptr ? -1 : item.id);
        return result;
    };
    const std::vector<int> project = {
        ID_TODO_NEW,       0, ID_PROJECT_COPY_NAME, ID_PROJECT_COPY_TIME,
        ID_PROJECT_DELETE, 0, ID_PROJECT_PROPERTIES};
    EXPECT_EQ(ids(ProjectContextMenu()), project);
    const std::vector<int> todo = {ID_TODO_ACTIVATE,
                                   ID_TODO_PAUSE,
                                   0,
                                   ID_TODO_COMPLETED,
                                   -1,
                                   ID_TODO_COPY_NAME,
                                   ID_TODO_COPY_TIME,
                                   ID_TODO_DELETE,
                                   0,
                                   ID_TODO_TRANSFER_TIME,
                                   ID_TODO_ADD_TIME,
                                   ID_TODO_REMOVE_TIME,
                                   ID_TODO_ZERO_TIME,
                                   0,
                                   ID_TODO_PROPERTIES};
    EXPECT_EQ(ids(TodoContextMenu()), todo);

    std::vector<int> priorities;
    for (const MenuItemSpec& item : SetPriorityMenu().items)
        priorities.push_back(item.id);
    EXPECT_EQ(priorities,
              (std::vector<int>{ID_TODO_PRIORITY_1, ID_TODO_PRIORITY_2, ID_TODO_PRIORITY_3,
                                ID_TODO_PRIORITY_4, ID_TODO_PRIORITY_5}));
}

TEST(MenuTables, EachCommandShowsOneImageWhereverItHasOne)
{
    std::map<int, int> imageOf;
    std::set<int> usedImages;
    for (const Entry& e : AllCommandEntries())
    {
        if (e.item->image == kNoMenuImage)
            continue;
        usedImages.insert(e.item->image);
        const auto [it, fresh] = imageOf.emplace(e.item->id, e.item->image);
        EXPECT_EQ(it->second, e.item->image) << e.menu << ": " << e.item->label;
    }
    EXPECT_EQ(usedImages.size(), static_cast<std::size_t>(kMenuImageCount));
    EXPECT_EQ(imageOf.at(ID_PROJECT_NEW), 4);
    EXPECT_EQ(imageOf.at(ID_TODO_NEW), 7);
    EXPECT_EQ(imageOf.at(ID_TODO_PAUSE), 3);
    EXPECT_EQ(imageOf.at(ID_TODO_COMPLETED), 6);
}

TEST(Prompts, EveryMenuCommandHasAPromptExceptThePriorities)
{
    const std::set<int> withoutPrompt = {ID_TODO_PRIORITY_1, ID_TODO_PRIORITY_2, ID_TODO_PRIORITY_3,
                                         ID_TODO_PRIORITY_4, ID_TODO_PRIORITY_5};
    for (const Entry& e : AllCommandEntries())
    {
        SCOPED_TRACE(e.menu + ": " + e.item->label);
        if (withoutPrompt.count(e.item->id) != 0)
        {
            EXPECT_EQ(PromptOf(e.item->id), nullptr);
            continue;
        }
        ASSERT_NE(PromptOf(e.item->id), nullptr);
        EXPECT_FALSE(StatusPromptOf(e.item->id).empty());
        EXPECT_FALSE(TooltipOf(e.item->id).empty());
    }
    EXPECT_EQ(PromptOf(ID_ITEM_PROPERTIES), nullptr);
}

TEST(Prompts, PartsAreSplitAtTheLineBreaks)
{
    EXPECT_EQ(StatusPromptOf(ID_ITEM_DELETE), "Delete the selected item.");
    EXPECT_EQ(TooltipOf(ID_ITEM_DELETE), "Delete item"); // the full text ends in a line break
    EXPECT_STREQ(PromptOf(ID_ITEM_ACTIVATE),
                 "Actives the selected or a default todo.\nActivate todo");
    EXPECT_EQ(StatusPromptOf(ID_OVERTIME_TODAYS_TARGET),
              "Set the overtime to the today's target working hours.");
    EXPECT_EQ(PromptOf(12345), nullptr);
    EXPECT_TRUE(StatusPromptOf(12345).empty());
    EXPECT_TRUE(TooltipOf(ID_ITEM_PROPERTIES).empty());
}

TEST(Accelerators, EveryKeyIsUniqueAndGivesAKnownCommand)
{
    std::set<int> known = {ID_ITEM_ACTIVATE, ID_ITEM_COPY_NAME, ID_ITEM_COPY_TIME,
                           ID_ITEM_PROPERTIES, ID_ITEM_DELETE};
    for (const Entry& e : AllCommandEntries())
        known.insert(e.item->id);
    std::set<std::pair<unsigned, Key>> keys;
    for (const AcceleratorSpec& a : MainAccelerators())
    {
        SCOPED_TRACE(a.id);
        EXPECT_TRUE(known.count(a.id) != 0);
        EXPECT_TRUE(keys.insert({a.modifiers, a.key}).second) << "key given twice";
    }
    EXPECT_EQ(keys.size(), 25u);
    // Two keys copy the name.
    EXPECT_EQ(FindAccelerator(kCtrl, Key::Insert)->id, ID_ITEM_COPY_NAME);
    EXPECT_EQ(FindAccelerator(kCtrl, Key::C)->id, ID_ITEM_COPY_NAME);
}

TEST(Accelerators, EveryShortcutShownInAMenuIsAKeyForThatCommand)
{
    for (const Entry& e : AllCommandEntries())
    {
        const std::string shortcut = ShortcutOf(e.item->label);
        if (shortcut.empty())
            continue;
        SCOPED_TRACE(e.menu + ": " + e.item->label);
        unsigned modifiers = 0;
        Key key{};
        ASSERT_TRUE(ParseShortcut(shortcut, modifiers, key));
        const AcceleratorSpec* a = FindAccelerator(modifiers, key);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->id, GenericCommandOf(e.item->id));
    }
}

TEST(ToolBar, ButtonsInOrderWithTheirTooltipsAndTheMenusImages)
{
    std::vector<int> ids;
    std::vector<std::string> tips;
    for (const ToolSpec& tool : MainToolBar())
    {
        ids.push_back(tool.id);
        if (!tool.IsSeparator())
            tips.emplace_back(TooltipOf(tool.id));
    }
    EXPECT_EQ(ids, (std::vector<int>{ID_PROJECT_NEW, ID_TODO_NEW, 0, ID_TODO_PAUSE,
                                     ID_ITEM_ACTIVATE, 0, ID_ITEM_COPY_NAME, ID_ITEM_COPY_TIME, 0,
                                     ID_TODO_COMPLETED, ID_ITEM_DELETE, 0, ID_EDIT_UNDO,
                                     ID_EDIT_REDO, 0, ID_TOOLS_CLEAN_UP}));
    EXPECT_EQ(tips, (std::vector<std::string>{"New project", "New todo", "Pause", "Activate todo",
                                              "Copy item's name", "Copy item's time",
                                              "Set todo completed", "Delete item", "Undo", "Redo",
                                              "Clean up"}));

    // A button shows the picture its command (or the todo form of it) has in the menus.
    std::map<int, IconId> menuIcon;
    for (const Entry& e : AllCommandEntries())
        if (e.item->image != kNoMenuImage)
            menuIcon[GenericCommandOf(e.item->id)] = MenuImageIcon(e.item->image);
    for (const ToolSpec& tool : MainToolBar())
    {
        if (menuIcon.count(tool.id) != 0)
        {
            EXPECT_EQ(tool.icon, menuIcon[tool.id]) << tool.id;
        }
    }
    EXPECT_EQ(MainToolBar().back().icon, IconId::CleanUp);
}
