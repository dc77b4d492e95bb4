#include "res/Commands.h"

#include <algorithm>

namespace res
{
namespace
{

using toolbox::TrLater;

constexpr Shortcut Keys(Key key, unsigned modifiers = kNoModifier)
{
    return {modifiers, key};
}

// One line per command. Several keys run the item-level commands, which act on whatever is
// selected, so that the same key works on a project and on a todo; the project and todo menus
// show those keys (keyOf). The windows translate the whole prompt and then split it.
constexpr CommandDescription kCommands[] = {
    // Item-level commands: keys and tool bar only.
    {.id = ID_ITEM_ACTIVATE,
     .key = Keys(Key::Space),
     .prompt = TrLater("Actives the selected or a default todo.\nActivate todo"),
     .picture = IconId::Activate},
    {.id = ID_ITEM_COPY_NAME,
     .key = Keys(Key::C, kCtrl),
     .otherKey = Keys(Key::Insert, kCtrl),
     .prompt = TrLater("Copy the name of the selected item into the clipboard.\nCopy item's name"),
     .picture = IconId::CopyName},
    {.id = ID_ITEM_COPY_TIME,
     .key = Keys(Key::C, kCtrl | kShift),
     .prompt = TrLater("Copy the time of the selected item into the clipboard.\nCopy item's time"),
     .picture = IconId::CopyTime},
    {.id = ID_ITEM_PROPERTIES, .key = Keys(Key::Enter)},
    {.id = ID_ITEM_DELETE,
     .key = Keys(Key::Delete),
     .prompt = TrLater("Delete the selected item.\nDelete item\n"),
     .picture = IconId::Delete},

    {.id = ID_FILE_RESTORE,
     .label = TrLater("&Restore from backup..."),
     .prompt = TrLater("Replace the data with one of its daily backups.\nRestore from backup")},
    {.id = ID_APP_EXIT,
     .label = TrLater("E&xit"),
     .key = Keys(Key::X, kAlt),
     .prompt = TrLater("Quit the application.\nExit")},

    {.id = ID_PROJECT_NEW,
     .label = TrLater("&New..."),
     .key = Keys(Key::Insert, kShift),
     .prompt = TrLater("Create a new project.\nNew project"),
     .picture = IconId::NewProject},
    {.id = ID_PROJECT_COPY_NAME,
     .label = TrLater("Copy Na&me"),
     .keyOf = ID_ITEM_COPY_NAME,
     .prompt =
         TrLater("Copy the name of the selected project into the clipboard.\nCopy project's name"),
     .picture = IconId::CopyName},
    {.id = ID_PROJECT_COPY_TIME,
     .label = TrLater("Copy T&ime"),
     .keyOf = ID_ITEM_COPY_TIME,
     .prompt =
         TrLater("Copy the time of the selected project into the clipboard.\nCopy project's time"),
     .picture = IconId::CopyTime},
    {.id = ID_PROJECT_DELETE,
     .label = TrLater("&Delete"),
     .keyOf = ID_ITEM_DELETE,
     .prompt = TrLater("Delete the selected project.\nDelete project"),
     .picture = IconId::Delete},
    {.id = ID_PROJECT_PROPERTIES,
     .label = TrLater("Pr&operties..."),
     .keyOf = ID_ITEM_PROPERTIES,
     .prompt = TrLater("Edit the selected project.\nEdit project")},

    {.id = ID_TODO_ACTIVATE,
     .label = TrLater("&Activate"),
     .keyOf = ID_ITEM_ACTIVATE,
     .prompt = TrLater("Start time counter for the selected todo.\nActivate todo"),
     .picture = IconId::Activate},
    {.id = ID_TODO_PAUSE,
     .label = TrLater("&Pause"),
     .key = Keys(Key::Escape),
     .prompt = TrLater("Stop the running time counter.\nPause"),
     .picture = IconId::Pause},
    {.id = ID_TODO_NEW,
     .label = TrLater("&New..."),
     .key = Keys(Key::Insert),
     .prompt = TrLater("Create a new todo.\nNew todo"),
     .picture = IconId::NewTodo,
     .contextLabel = TrLater("&New Todo...")},
    {.id = ID_TODO_PRIORITY_1, .label = TrLater("&1 (Urgent)"), .key = Keys(Key::Digit1, kCtrl)},
    {.id = ID_TODO_PRIORITY_2, .label = TrLater("&2 (Asap)"), .key = Keys(Key::Digit2, kCtrl)},
    {.id = ID_TODO_PRIORITY_3, .label = TrLater("&3 (Normal)"), .key = Keys(Key::Digit3, kCtrl)},
    {.id = ID_TODO_PRIORITY_4, .label = TrLater("&4 (Later On)"), .key = Keys(Key::Digit4, kCtrl)},
    {.id = ID_TODO_PRIORITY_5,
     .label = TrLater("&5 (Nice To Have)"),
     .key = Keys(Key::Digit5, kCtrl)},
    {.id = ID_TODO_COMPLETED,
     .label = TrLater("&Completed"),
     .key = Keys(Key::F8),
     .prompt = TrLater("Set the todo's priority to completed.\nSet todo completed"),
     .picture = IconId::Completed},
    {.id = ID_TODO_COPY_NAME,
     .label = TrLater("Copy Na&me"),
     .keyOf = ID_ITEM_COPY_NAME,
     .prompt = TrLater("Copy the name of the selected todo into the clipboard.\nCopy todo's name"),
     .picture = IconId::CopyName},
    {.id = ID_TODO_COPY_TIME,
     .label = TrLater("Copy T&ime"),
     .keyOf = ID_ITEM_COPY_TIME,
     .prompt = TrLater("Copy the time of the selected todo into the clipboard.\nCopy todo's time"),
     .picture = IconId::CopyTime},
    {.id = ID_TODO_DELETE,
     .label = TrLater("D&elete"),
     .keyOf = ID_ITEM_DELETE,
     .prompt = TrLater("Delete the selected todo.\nDelete todo"),
     .picture = IconId::Delete},
    {.id = ID_TODO_TRANSFER_TIME,
     .label = TrLater("&Transfer Time..."),
     .prompt = TrLater(
         "Transfers some time from the selected todo to another one.\nTransfer todo's time")},
    {.id = ID_TODO_ADD_TIME,
     .label = TrLater("A&dd Time..."),
     .prompt = TrLater("Add time to the selected todo.\nAdd time")},
    {.id = ID_TODO_REMOVE_TIME,
     .label = TrLater("&Remove Time..."),
     .prompt = TrLater("Remove from the selected todo.\nRemove time")},
    {.id = ID_TODO_ZERO_TIME,
     .label = TrLater("&Zero Time"),
     .key = Keys(Key::F7),
     .prompt = TrLater("Zeros the selected todo's time.\nZero todo's time")},
    {.id = ID_TODO_PROPERTIES,
     .label = TrLater("Pr&operties..."),
     .keyOf = ID_ITEM_PROPERTIES,
     .prompt = TrLater("Edit the selected todo.\nEdit todo")},

    {.id = ID_OVERTIME_ZERO,
     .label = TrLater("&Zero"),
     .prompt = TrLater("Zero the overtime (target is reached).\nZero overtime")},
    {.id = ID_OVERTIME_TODAYS_TARGET,
     .label = TrLater("&Today's Target"),
     .prompt = TrLater("Set the overtime to the today's target working hours.\nToday's target")},
    {.id = ID_OVERTIME_WORKING_HOURS,
     .label = TrLater("&Working Hours..."),
     .key = Keys(Key::F9),
     .prompt = TrLater("Edit the working hours and current overtime.\nWorking hours")},

    {.id = ID_EDIT_UNDO,
     .label = TrLater("&Undo"),
     .key = Keys(Key::Z, kCtrl),
     .prompt = TrLater("Take back the last change of the data.\nUndo"),
     .picture = IconId::Undo},
    {.id = ID_EDIT_REDO,
     .label = TrLater("&Redo"),
     .key = Keys(Key::Y, kCtrl),
     .prompt = TrLater("Make the last undone change again.\nRedo"),
     .picture = IconId::Redo},
    {.id = ID_TOOLS_CLEAN_UP,
     .label = TrLater("&Clean up"),
     .key = Keys(Key::F6),
     .prompt = TrLater("Clean up all todos.\nClean up"),
     .picture = IconId::CleanUp},
    {.id = ID_TOOLS_OPTIONS,
     .label = TrLater("O&ptions..."),
     .key = Keys(Key::F10),
     .prompt = TrLater("Set up the application.\nOptions")},

    {.id = ID_VIEW_TOOLBAR,
     .label = TrLater("&Toolbar"),
     .prompt = TrLater("Show or hide the tool bar.\nToggle tool bar"),
     .ticks = true},
    {.id = ID_VIEW_STATUS_BAR,
     .label = TrLater("&Status Bar"),
     .prompt = TrLater("Show or hide the status bar.\nToggle status bar"),
     .ticks = true},
    {.id = ID_VIEW_REFRESH,
     .label = TrLater("&Refresh"),
     .key = Keys(Key::F5),
     .prompt = TrLater("Refresh the view.\nRefresh")},
    {.id = ID_VIEW_HISTORY,
     .label = TrLater("&History..."),
     .key = Keys(Key::H, kCtrl),
     .prompt = TrLater("Show and correct the sessions worked.\nHistory")},
    {.id = ID_VIEW_REPORT,
     .label = TrLater("Re&port..."),
     .prompt = TrLater("Show the time booked in a day, week or month.\nReport")},

    {.id = ID_HELP_INDEX,
     .label = TrLater("&Help..."),
     .key = Keys(Key::F1),
     .prompt = TrLater("Open the help of Tallydene.\nHelp")},
    {.id = ID_HELP_TERMS,
     .label = TrLater("&Terms and Conditions"),
     .prompt = TrLater("Open the Terms and Conditions.\nTerms and Conditions")},
    {.id = ID_HELP_WEB_SITE,
     .label = TrLater("&Web Site of Tallydene"),
     .prompt = TrLater("Open the web site of Tallydene.\nWeb site")},
};

constexpr MenuItemSpec kSeparator{};

constexpr MenuItemSpec kPriorityItems[] = {
    {ID_TODO_PRIORITY_1}, {ID_TODO_PRIORITY_2}, {ID_TODO_PRIORITY_3},
    {ID_TODO_PRIORITY_4}, {ID_TODO_PRIORITY_5},
};
constexpr MenuSpec kPriorityMenu{TrLater("&Set Priority"), kPriorityItems};
constexpr MenuItemSpec kPriorities{0, &kPriorityMenu};

constexpr MenuItemSpec kFileItems[] = {{ID_FILE_RESTORE}, kSeparator, {ID_APP_EXIT}};

constexpr MenuItemSpec kProjectItems[] = {
    {ID_PROJECT_NEW},    kSeparator, {ID_PROJECT_COPY_NAME},  {ID_PROJECT_COPY_TIME},
    {ID_PROJECT_DELETE}, kSeparator, {ID_PROJECT_PROPERTIES},
};

constexpr MenuItemSpec kTodoItems[] = {
    {ID_TODO_ACTIVATE},      {ID_TODO_PAUSE},    kSeparator,
    {ID_TODO_NEW},           kSeparator,         kPriorities,
    {ID_TODO_COMPLETED},     kSeparator,         {ID_TODO_COPY_NAME},
    {ID_TODO_COPY_TIME},     {ID_TODO_DELETE},   kSeparator,
    {ID_TODO_TRANSFER_TIME}, {ID_TODO_ADD_TIME}, {ID_TODO_REMOVE_TIME},
    {ID_TODO_ZERO_TIME},     kSeparator,         {ID_TODO_PROPERTIES},
};

constexpr MenuItemSpec kOvertimeItems[] = {
    {ID_OVERTIME_ZERO}, {ID_OVERTIME_TODAYS_TARGET}, kSeparator, {ID_OVERTIME_WORKING_HOURS}};

constexpr MenuItemSpec kToolsItems[] = {
    {ID_EDIT_UNDO}, {ID_EDIT_REDO}, kSeparator, {ID_TOOLS_CLEAN_UP}, kSeparator, {ID_TOOLS_OPTIONS},
};

constexpr MenuItemSpec kViewItems[] = {
    {ID_VIEW_TOOLBAR}, {ID_VIEW_STATUS_BAR}, kSeparator,
    {ID_VIEW_REFRESH}, {ID_VIEW_HISTORY},    {ID_VIEW_REPORT},
};

constexpr MenuItemSpec kHelpItems[] = {
    {ID_HELP_INDEX}, kSeparator, {ID_HELP_TERMS}, {ID_HELP_WEB_SITE}};

constexpr MenuSpec kMainMenuBar[] = {
    {TrLater("&File"), kFileItems},   {TrLater("&Project"), kProjectItems},
    {TrLater("&Todo"), kTodoItems},   {TrLater("&Overtime"), kOvertimeItems},
    {TrLater("T&ools"), kToolsItems}, {TrLater("&View"), kViewItems},
    {TrLater("&Help"), kHelpItems},
};

// The project menu offers no "new project"; a new todo goes into the selected project.
constexpr MenuItemSpec kProjectContextItems[] = {
    {ID_TODO_NEW},       kSeparator, {ID_PROJECT_COPY_NAME},  {ID_PROJECT_COPY_TIME},
    {ID_PROJECT_DELETE}, kSeparator, {ID_PROJECT_PROPERTIES},
};
constexpr MenuSpec kProjectContextMenu{"", kProjectContextItems, true};

constexpr MenuItemSpec kTodoContextItems[] = {
    {ID_TODO_ACTIVATE},      {ID_TODO_PAUSE},    kSeparator,
    {ID_TODO_COMPLETED},     kPriorities,        {ID_TODO_COPY_NAME},
    {ID_TODO_COPY_TIME},     {ID_TODO_DELETE},   kSeparator,
    {ID_TODO_TRANSFER_TIME}, {ID_TODO_ADD_TIME}, {ID_TODO_REMOVE_TIME},
    {ID_TODO_ZERO_TIME},     kSeparator,         {ID_TODO_PROPERTIES},
};
constexpr MenuSpec kTodoContextMenu{"", kTodoContextItems, true};

constexpr int kMainToolBar[] = {
    ID_PROJECT_NEW,    ID_TODO_NEW,       0, ID_TODO_PAUSE,     ID_ITEM_ACTIVATE, 0,
    ID_ITEM_COPY_NAME, ID_ITEM_COPY_TIME, 0, ID_TODO_COMPLETED, ID_ITEM_DELETE,   0,
    ID_EDIT_UNDO,      ID_EDIT_REDO,      0, ID_TOOLS_CLEAN_UP,
};

const char* KeyName(Key key)
{
    switch (key)
    {
    case Key::Space:
        return "Space";
    case Key::Enter:
        return "Enter";
    case Key::Escape:
        return "Esc";
    case Key::Insert:
        return "Ins";
    case Key::Delete:
        return "Del";
    case Key::F1:
        return "F1";
    case Key::F5:
        return "F5";
    case Key::F6:
        return "F6";
    case Key::F7:
        return "F7";
    case Key::F8:
        return "F8";
    case Key::F9:
        return "F9";
    case Key::F10:
        return "F10";
    default:
        return nullptr; // letters and digits are their characters
    }
}

} // namespace

std::span<const CommandDescription> AllCommandDescriptions()
{
    return kCommands;
}

const CommandDescription* FindCommandDescription(int id)
{
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [id](const CommandDescription& c) { return c.id == id; });
    return found != std::end(kCommands) ? found : nullptr;
}

Shortcut ShownKeyOf(int id)
{
    const CommandDescription* described = FindCommandDescription(id);
    if (described != nullptr && described->keyOf != 0)
        described = FindCommandDescription(described->keyOf);
    return described != nullptr ? described->key : Shortcut{};
}

std::string KeyText(Shortcut shortcut)
{
    if (shortcut.IsNone())
        return {};
    std::string text;
    if (shortcut.modifiers & kCtrl)
        text += "Ctrl+";
    if (shortcut.modifiers & kShift)
        text += "Shift+";
    if (shortcut.modifiers & kAlt)
        text += "Alt+";
    if (const char* name = KeyName(shortcut.key))
        text += name;
    else
        text += static_cast<char>(shortcut.key);
    return text;
}

std::string MenuLabelOf(int id, bool inContextMenu, std::string (*translate)(const char*))
{
    const CommandDescription* described = FindCommandDescription(id);
    if (described == nullptr || described->label == nullptr)
        return {};
    const char* label = inContextMenu && described->contextLabel != nullptr
                            ? described->contextLabel
                            : described->label;
    std::string text = translate(label);
    const Shortcut key = ShownKeyOf(id);
    if (!key.IsNone())
        text += "\t" + KeyText(key);
    return text;
}

const char* PromptOf(int id)
{
    const CommandDescription* described = FindCommandDescription(id);
    return described != nullptr ? described->prompt : nullptr;
}

std::string_view StatusPromptOf(int id)
{
    const char* text = PromptOf(id);
    if (text == nullptr)
        return {};
    std::string_view all(text);
    return all.substr(0, all.find('\n'));
}

std::string_view TooltipOf(int id)
{
    const char* text = PromptOf(id);
    if (text == nullptr)
        return {};
    std::string_view all(text);
    const auto start = all.find('\n');
    if (start == std::string_view::npos)
        return {};
    const auto rest = all.substr(start + 1);
    return rest.substr(0, rest.find('\n'));
}

std::vector<AcceleratorSpec> MainAccelerators()
{
    std::vector<AcceleratorSpec> keys;
    for (const CommandDescription& command : kCommands)
        for (const Shortcut& key : {command.key, command.otherKey})
            if (!key.IsNone())
                keys.push_back({key.modifiers, key.key, command.id});
    return keys;
}

std::span<const MenuSpec> MainMenuBar()
{
    return kMainMenuBar;
}

const MenuSpec& SetPriorityMenu()
{
    return kPriorityMenu;
}

const MenuSpec& ProjectContextMenu()
{
    return kProjectContextMenu;
}

const MenuSpec& TodoContextMenu()
{
    return kTodoContextMenu;
}

std::span<const int> MainToolBar()
{
    return kMainToolBar;
}

} // namespace res
