#pragma once

// Every command identifier of Tallydene. Menus, accelerators, the tool bar and the prompts are
// tied together by these numbers; the window layer uses them as its command ids.
namespace res
{

// Item-level commands: they act on whatever is selected, a project or a todo.
constexpr int ID_ITEM_ACTIVATE = 32771; // the selected todo, or a project's misc todo
constexpr int ID_ITEM_COPY_NAME = 32772;
constexpr int ID_ITEM_COPY_TIME = 32773;
constexpr int ID_ITEM_PROPERTIES = 32784;
constexpr int ID_ITEM_DELETE = 57632;

constexpr int ID_HELP_INDEX = 32774;
constexpr int ID_HELP_TERMS = 32777;
constexpr int ID_HELP_WEB_SITE = 32778;

constexpr int ID_PROJECT_COPY_NAME = 32779;
constexpr int ID_PROJECT_COPY_TIME = 32780;
constexpr int ID_PROJECT_DELETE = 32781;
constexpr int ID_PROJECT_NEW = 32782;
constexpr int ID_PROJECT_PROPERTIES = 32783;

constexpr int ID_TODO_ACTIVATE = 32785;
constexpr int ID_TODO_ADD_TIME = 32786;
constexpr int ID_TODO_COMPLETED = 32787;
constexpr int ID_TODO_COPY_NAME = 32788;
constexpr int ID_TODO_COPY_TIME = 32789;
constexpr int ID_TODO_DELETE = 32790;
constexpr int ID_TODO_NEW = 32791;
constexpr int ID_TODO_PAUSE = 32792;
constexpr int ID_TODO_PROPERTIES = 32793;
constexpr int ID_TODO_REMOVE_TIME = 32795;
// Priorities 0 (urgent) to 4 (nice to have), shown as 1 to 5.
constexpr int ID_TODO_PRIORITY_1 = 32796;
constexpr int ID_TODO_PRIORITY_2 = 32797;
constexpr int ID_TODO_PRIORITY_3 = 32798;
constexpr int ID_TODO_PRIORITY_4 = 32799;
constexpr int ID_TODO_PRIORITY_5 = 32800;
constexpr int ID_TODO_TRANSFER_TIME = 32801;
constexpr int ID_TODO_ZERO_TIME = 32802;

constexpr int ID_TOOLS_CLEAN_UP = 32803;
constexpr int ID_TOOLS_OPTIONS = 32804;
constexpr int ID_VIEW_REFRESH = 32805;
// The window of the sessions worked.
constexpr int ID_VIEW_HISTORY = 32840;
// The report of a day, week or month.
constexpr int ID_VIEW_REPORT = 32841;

constexpr int ID_OVERTIME_WORKING_HOURS = 32806;
constexpr int ID_OVERTIME_TODAYS_TARGET = 32807;
constexpr int ID_OVERTIME_ZERO = 32808;

constexpr int ID_FILE_RESTORE = 32809;

// Taking a data-changing command back, and doing it again.
constexpr int ID_EDIT_UNDO = 32810;
constexpr int ID_EDIT_REDO = 32811;
constexpr int ID_APP_EXIT = 57665;

// The tool bar and the status bar: their control ids are also the commands that show or hide
// them.
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// The one-minute clock timer of the main window.
constexpr int ID_CLOCK_TIMER = 1;
constexpr int kClockTimerPeriodMs = 60000;

// The notification-area icon.
constexpr int ID_TRAY_ICON = 1;

// The toolkit takes menu and command ids below 0x7FFF only, but the program's command
// identifiers reach 59393. Every command therefore travels as its identifier less 30000
// (2771 to 2840, 27632 to 29393): clear of the toolkit's own ids (4999 to 5999) and of its
// generated ones (negative).
inline constexpr int kCommandIdOffset = 30000;

constexpr int WxIdOf(int command)
{
    return command - kCommandIdOffset;
}

constexpr int CommandOf(int wxId)
{
    return wxId + kCommandIdOffset;
}

} // namespace res
