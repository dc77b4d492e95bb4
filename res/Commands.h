#pragma once

#include "res/CommandIds.h"
#include "res/Icons.h"
#include "toolbox/Translation.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the windows show of each command, described once: its menu label, its keys, its prompt
// and its picture. The menus, the context menus and the tool bar list commands by identifier
// only; the keys they show and the keys that run the commands come from the same entry.
namespace res
{

// The keys that shortcuts use. Letters and digits carry their character code, so that a
// window layer can pass them on as they are.
enum class Key : int
{
    None = 0,
    Digit1 = '1',
    Digit2 = '2',
    Digit3 = '3',
    Digit4 = '4',
    Digit5 = '5',
    C = 'C',
    H = 'H',
    X = 'X',
    Y = 'Y',
    Z = 'Z',
    Space = 0x100,
    Enter,
    Escape,
    Insert,
    Delete,
    F1,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
};

// Modifier flags, combined with "|".
enum Modifier : unsigned
{
    kNoModifier = 0,
    kShift = 1,
    kCtrl = 2,
    kAlt = 4,
};

// A key with its modifiers; Key::None for no key.
struct Shortcut
{
    unsigned modifiers = kNoModifier;
    Key key = Key::None;

    constexpr bool IsNone() const { return key == Key::None; }
    friend constexpr bool operator==(const Shortcut&, const Shortcut&) = default;
};

// No picture on a command.
inline constexpr IconId kNoPicture = IconId::Count;

// One command as the windows show it.
struct CommandDescription
{
    int id = 0;
    // The menu entry, with its mnemonic ("&") and without the key; nullptr for a command that
    // only keys or the tool bar give.
    const char* label = nullptr;
    // The key that runs the command, shown beside its menu entry, and a further one that also
    // runs it.
    Shortcut key{};
    Shortcut otherKey{};
    // A command of the project or todo menus whose key is that of the item-level command
    // named here, which acts on whatever is selected: the menu shows that command's key.
    int keyOf = 0;
    // The status-bar prompt, then after "\n" the tooltip; nullptr when there is none.
    const char* prompt = nullptr;
    // The picture in the menus (where it is one of the menu images) and on the tool bar.
    IconId picture = kNoPicture;
    // The label in a context menu, where the menu does not say what the command makes;
    // nullptr when it is the label.
    const char* contextLabel = nullptr;
    // The entry carries a tick (showing whether a bar is shown).
    bool ticks = false;
};

// Every command the windows show or a key gives.
std::span<const CommandDescription> AllCommandDescriptions();

// The description of a command, or nullptr.
const CommandDescription* FindCommandDescription(int id);

// The key that the menu entry of a command shows: its own, or that of the item-level
// command it stands for; Key::None when it has none.
Shortcut ShownKeyOf(int id);

// A key as the menus spell it: "Ctrl+Shift+C", "Shift+Ins", "Esc".
std::string KeyText(Shortcut shortcut);

// The menu entry's text: the label, then after "\t" the text of the key it shows. The label
// passes through `translate` first (the windows translate it; tests keep the English).
std::string MenuLabelOf(int id, bool inContextMenu, std::string (*translate)(const char*));

// What the status bar shows when nothing else is to be shown.
inline constexpr const char* kIdlePrompt = toolbox::TrLater("Ready");
// The title of the tool bar window when it floats.
inline constexpr const char* kToolBarTitle = toolbox::TrLater("Tools");

// The whole prompt text of a command; nullptr when the command has no prompt.
const char* PromptOf(int id);

// The part before the first "\n"; empty when the command has no prompt.
std::string_view StatusPromptOf(int id);

// The part after the first "\n", up to a further "\n"; empty when there is none.
std::string_view TooltipOf(int id);

// A key of the main window and the command it runs.
struct AcceleratorSpec
{
    unsigned modifiers = kNoModifier; // Modifier flags
    Key key = Key::None;
    int id = 0; // the command the key gives
};

// The shortcut keys of the main window, from the commands' descriptions.
std::vector<AcceleratorSpec> MainAccelerators();

struct MenuSpec;

// One entry of a menu: a command, a sub-menu, or a separator.
struct MenuItemSpec
{
    int id = 0;                        // the command; 0 for a separator or a sub-menu
    const MenuSpec* submenu = nullptr; // the sub-menu this entry opens, named by its title

    constexpr bool IsSeparator() const { return id == 0 && submenu == nullptr; }
};

// A pop-up menu: its title (as shown in the menu bar or beside a sub-menu; empty for a context
// menu) and entries.
struct MenuSpec
{
    const char* title = nullptr;
    std::span<const MenuItemSpec> items{};
    bool isContextMenu = false;
};

// The pop-ups of the main menu bar, left to right.
std::span<const MenuSpec> MainMenuBar();

// Position of the "&Overtime" pop-up in the menu bar, which is greyed as a whole while the
// working-time account is off.
inline constexpr int kOvertimeMenuPosition = 3;

// The "&Set Priority" sub-menu, used in the main menu and in the todo context menu.
const MenuSpec& SetPriorityMenu();

// The context menus of the tree.
const MenuSpec& ProjectContextMenu();
const MenuSpec& TodoContextMenu();

// The buttons of the main tool bar, left to right, by command; 0 for a separator bar. A
// button shows its command's picture, tooltip and status prompt.
std::span<const int> MainToolBar();

} // namespace res
