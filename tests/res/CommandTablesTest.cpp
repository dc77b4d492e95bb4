#include "res/Commands.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace res;

namespace
{

std::string English(const char* text)
{
    return text;
}

// Every command entry of the main menu, its sub-menus and the context menus, with the menu
// it is in.
std::vector<std::pair<const MenuSpec*, int>> AllMenuEntries()
{
    std::vector<std::pair<const MenuSpec*, int>> entries;
    auto walk = [&](auto&& self, const MenuSpec& menu) -> void
    {
        for (const MenuItemSpec& item : menu.items)
        {
            if (item.submenu != nullptr)
                self(self, *item.submenu);
            else if (!item.IsSeparator())
                entries.emplace_back(&menu, item.id);
        }
    };
    for (const MenuSpec& popup : MainMenuBar())
        walk(walk, popup);
    walk(walk, ProjectContextMenu());
    walk(walk, TodoContextMenu());
    return entries;
}

std::vector<const MenuSpec*> AllMenus()
{
    std::vector<const MenuSpec*> menus;
    for (const MenuSpec& popup : MainMenuBar())
        menus.push_back(&popup);
    menus.push_back(&SetPriorityMenu());
    menus.push_back(&ProjectContextMenu());
    menus.push_back(&TodoContextMenu());
    return menus;
}

// The German catalog: each text and its translation, as the build compiles it.
std::map<std::string, std::string> GermanCatalog()
{
    std::ifstream file(TALLYDENE_SOURCE_DIR "/po/de.po");
    std::map<std::string, std::string> catalog;
    std::string line, id, text, *current = nullptr;
    auto unquote = [](const std::string& quoted)
    {
        std::string out;
        for (std::size_t i = quoted.find('"') + 1; i + 1 < quoted.size(); ++i)
        {
            if (quoted[i] != '\\')
            {
                out += quoted[i];
                continue;
            }
            const char c = quoted[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
        return out;
    };
    auto finish = [&]
    {
        if (!id.empty())
            catalog[id] = text;
        id.clear();
        text.clear();
    };
    while (std::getline(file, line))
    {
        if (line.rfind("msgid ", 0) == 0)
        {
            finish();
            id = unquote(line);
            current = &id;
        }
        else if (line.rfind("msgstr ", 0) == 0)
        {
            text = unquote(line);
            current = &text;
        }
        else if (line.rfind('"', 0) == 0 && current != nullptr)
            *current += unquote(line);
    }
    finish();
    return catalog;
}

} // namespace

TEST(CommandDescriptions, DescribeEachCommandOnceWithUniqueKeysAndTranslatedTexts)
{
    std::set<int> described;
    for (const CommandDescription& command : AllCommandDescriptions())
    {
        SCOPED_TRACE(command.id);
        EXPECT_NE(command.id, 0);
        EXPECT_TRUE(described.insert(command.id).second) << "described twice";
        EXPECT_EQ(FindCommandDescription(command.id), &command);
        if (command.keyOf != 0)
        {
            // The key belongs to an item-level command, which has one and stands for itself.
            ASSERT_NE(FindCommandDescription(command.keyOf), nullptr);
            EXPECT_FALSE(FindCommandDescription(command.keyOf)->key.IsNone());
            EXPECT_EQ(FindCommandDescription(command.keyOf)->keyOf, 0);
            EXPECT_TRUE(command.key.IsNone());
        }
        EXPECT_FALSE(command.key.IsNone() && !command.otherKey.IsNone());
    }

    // Every entry of a menu is a described command with a label, every button one with a
    // picture, and each appears once in each menu.
    for (const auto& [menu, id] : AllMenuEntries())
    {
        SCOPED_TRACE(id);
        ASSERT_NE(FindCommandDescription(id), nullptr);
        EXPECT_NE(FindCommandDescription(id)->label, nullptr);
    }
    for (const int id : MainToolBar())
    {
        if (id == 0)
            continue;
        SCOPED_TRACE(id);
        ASSERT_NE(FindCommandDescription(id), nullptr);
        EXPECT_NE(FindCommandDescription(id)->picture, kNoPicture);
        EXPECT_FALSE(TooltipOf(id).empty());
    }

    // No key runs two commands.
    std::set<std::pair<unsigned, Key>> keys;
    for (const AcceleratorSpec& a : MainAccelerators())
    {
        SCOPED_TRACE(KeyText({a.modifiers, a.key}));
        EXPECT_TRUE(keys.insert({a.modifiers, a.key}).second) << "key given twice";
        EXPECT_NE(FindCommandDescription(a.id), nullptr);
    }
    EXPECT_EQ(keys.size(), 25u);

    // Every text the windows show of a command is in the German catalog, translated.
    const std::map<std::string, std::string> german = GermanCatalog();
    auto translated = [&](const char* text)
    {
        if (text == nullptr || *text == '\0')
            return;
        const auto found = german.find(text);
        EXPECT_TRUE(found != german.end() && !found->second.empty()) << "untranslated: " << text;
    };
    for (const CommandDescription& command : AllCommandDescriptions())
    {
        translated(command.label);
        translated(command.contextLabel);
        translated(command.prompt);
    }
    for (const MenuSpec* menu : AllMenus())
        translated(menu->title);
    EXPECT_GT(german.size(), 100u);
}

TEST(CommandDescriptions, MenuEntriesShowTheKeyThatRunsThem)
{
    struct Case
    {
        int id;
        bool inContextMenu;
        const char* label;
    };
    const Case cases[] = {
        {ID_PROJECT_COPY_NAME, false, "Copy Na&me\tCtrl+C"},
        {ID_TODO_COPY_TIME, true, "Copy T&ime\tCtrl+Shift+C"},
        {ID_PROJECT_NEW, false, "&New...\tShift+Ins"},
        {ID_TODO_NEW, false, "&New...\tIns"},
        {ID_TODO_NEW, true, "&New Todo...\tIns"},
        {ID_TODO_ACTIVATE, true, "&Activate\tSpace"},
        {ID_TODO_PAUSE, false, "&Pause\tEsc"},
        {ID_TODO_DELETE, false, "D&elete\tDel"},
        {ID_PROJECT_PROPERTIES, false, "Pr&operties...\tEnter"},
        {ID_APP_EXIT, false, "E&xit\tAlt+X"},
        {ID_TODO_PRIORITY_5, false, "&5 (Nice To Have)\tCtrl+5"},
        {ID_TOOLS_OPTIONS, false, "O&ptions...\tF10"},
        {ID_VIEW_REPORT, false, "Re&port..."},
        {ID_ITEM_COPY_NAME, false, ""}, // keys only
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuLabelOf(c.id, c.inContextMenu, English), c.label) << c.id;

    // Every key a menu shows runs the command the entry stands for.
    for (const auto& [menu, id] : AllMenuEntries())
    {
        const Shortcut shown = ShownKeyOf(id);
        if (shown.IsNone())
            continue;
        const CommandDescription& command = *FindCommandDescription(id);
        const int runs = command.keyOf != 0 ? command.keyOf : id;
        int found = 0;
        for (const AcceleratorSpec& a : MainAccelerators())
            if (a.modifiers == shown.modifiers && a.key == shown.key)
                found = a.id;
        EXPECT_EQ(found, runs) << KeyText(shown);
    }
    // Two keys copy the name; the menus show the first.
    EXPECT_EQ(KeyText(FindCommandDescription(ID_ITEM_COPY_NAME)->otherKey), "Ctrl+Ins");
}

TEST(MenuTables, MenuBarKeepsOvertimeWhereTheFrameGreysIt)
{
    EXPECT_STREQ(MainMenuBar()[kOvertimeMenuPosition].title, "&Overtime");
}

TEST(MenuTables, EveryPopupIsWellFormed)
{
    // No pop-up starts or ends with a separator, and none has two in a row.
    for (const MenuSpec* menu : AllMenus())
    {
        SCOPED_TRACE(menu->title);
        ASSERT_FALSE(menu->items.empty());
        EXPECT_FALSE(menu->items.front().IsSeparator());
        EXPECT_FALSE(menu->items.back().IsSeparator());
        for (std::size_t i = 1; i < menu->items.size(); ++i)
            EXPECT_FALSE(menu->items[i].IsSeparator() && menu->items[i - 1].IsSeparator());
    }
}

TEST(MenuTables, MnemonicsAreSingleAndDistinctWithinEachPopup)
{
    for (const MenuSpec* menu : AllMenus())
    {
        std::set<char> used;
        for (const MenuItemSpec& item : menu->items)
        {
            if (item.IsSeparator())
                continue;
            std::string label = item.submenu != nullptr
                                    ? std::string(item.submenu->title)
                                    : MenuLabelOf(item.id, menu->isContextMenu, English);
            label = label.substr(0, label.find('\t'));
            SCOPED_TRACE(label);
            const auto amp = label.find('&');
            ASSERT_NE(amp, std::string::npos);
            ASSERT_LT(amp + 1, label.size());
            EXPECT_EQ(label.find('&', amp + 1), std::string::npos);
            const char letter = static_cast<char>(std::tolower(label[amp + 1]));
            EXPECT_TRUE(used.insert(letter).second) << "mnemonic used twice in " << menu->title;
        }
    }
}

TEST(Prompts, EveryMenuCommandHasAPromptExceptThePriorities)
{
    const std::set<int> withoutPrompt = {ID_TODO_PRIORITY_1, ID_TODO_PRIORITY_2, ID_TODO_PRIORITY_3,
                                         ID_TODO_PRIORITY_4, ID_TODO_PRIORITY_5};
    for (const auto& [menu, id] : AllMenuEntries())
    {
        SCOPED_TRACE(id);
        if (withoutPrompt.count(id) != 0)
        {
            EXPECT_EQ(PromptOf(id), nullptr);
            continue;
        }
        ASSERT_NE(PromptOf(id), nullptr);
        EXPECT_FALSE(StatusPromptOf(id).empty());
        EXPECT_FALSE(TooltipOf(id).empty());
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
