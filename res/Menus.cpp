#include "res/Menus.h"

#include "res/CommandIds.h"
#include "toolbox/Translation.h"

namespace res
{
namespace
{

using toolbox::TrLater;

// Menu image indexes.
constexpr int kCopyName = 0;
constexpr int kCopyTime = 1;
constexpr int kDelete = 2;
constexpr int kPause = 3;
constexpr int kNewProject = 4;
constexpr int kActivate = 5;
constexpr int kCompleted = 6;
constexpr int kNewTodo = 7;
constexpr int kUndo = 8;
constexpr int kRedo = 9;

constexpr MenuItemSpec Item(int id, const char* label, int image = kNoMenuImage)
{
    return {id, label, image, nullptr};
}
constexpr MenuItemSpec Separator()
{
    return {0, nullptr, kNoMenuImage, nullptr};
}
constexpr MenuItemSpec Submenu(const char* label, const MenuSpec& menu)
{
    return {0, label, kNoMenuImage, &menu};
}

constexpr MenuItemSpec kPriorityItems[] = {
    Item(ID_TODO_PRIORITY_1, "&1 (Urgent)\tCtrl+1"),
    Item(ID_TODO_PRIORITY_2, "&2 (Asap)\tCtrl+2"),
    Item(ID_TODO_PRIORITY_3, "&3 (Normal)\tCtrl+3"),
    Item(ID_TODO_PRIORITY_4, "&4 (Later On)\tCtrl+4"),
    Item(ID_TODO_PRIORITY_5, "&5 (Nice To Have)\tCtrl+5"),
};
constexpr MenuSpec kPriorityMenu{TrLater("&Set Priority"), kPriorityItems};

constexpr MenuItemSpec kFileItems[] = {
    Item(ID_FILE_RESTORE, "&Restore from backup..."),
    Separator(),
    Item(ID_APP_EXIT, "E&xit\tAlt+X"),
};

constexpr MenuItemSpec kProjectItems[] = {
    Item(ID_PROJECT_NEW, "&New...\tShift+Ins", kNewProject),
    Separator(),
    Item(ID_PROJECT_COPY_NAME, "Copy Na&me\tCtrl+C", kCopyName),
    Item(ID_PROJECT_COPY_TIME, "Copy T&ime\tCtrl+Shift+C", kCopyTime),
    Item(ID_PROJECT_DELETE, "&Delete\tDel", kDelete),
    Separator(),
    Item(ID_PROJECT_PROPERTIES, "Pr&operties...\tEnter"),
};

constexpr MenuItemSpec kTodoItems[] = {
    Item(ID_TODO_ACTIVATE, "&Activate\tSpace", kActivate),
    Item(ID_TODO_PAUSE, "&Pause\tEsc", kPause),
    Separator(),
    Item(ID_TODO_NEW, "&New...\tIns", kNewTodo),
    Separator(),
    Submenu("&Set Priority", kPriorityMenu),
    Item(ID_TODO_COMPLETED, "&Completed\tF8", kCompleted),
    Separator(),
    Item(ID_TODO_COPY_NAME, "Copy Na&me\tCtrl+C", kCopyName),
    Item(ID_TODO_COPY_TIME, "Copy T&ime\tCtrl+Shift+C", kCopyTime),
    Item(ID_TODO_DELETE, "D&elete\tDel", kDelete),
    Separator(),
    Item(ID_TODO_TRANSFER_TIME, "&Transfer Time..."),
    Item(ID_TODO_ADD_TIME, "A&dd Time..."),
    Item(ID_TODO_REMOVE_TIME, "&Remove Time..."),
    Item(ID_TODO_ZERO_TIME, "&Zero Time\tF7"),
    Separator(),
    Item(ID_TODO_PROPERTIES, "Pr&operties...\tEnter"),
};

constexpr MenuItemSpec kOvertimeItems[] = {
    Item(ID_OVERTIME_ZERO, "&Zero"),
    Item(ID_OVERTIME_TODAYS_TARGET, "&Today's Target"),
    Separator(),
    Item(ID_OVERTIME_WORKING_HOURS, "&Working Hours...\tF9"),
};

constexpr MenuItemSpec kToolsItems[] = {
    Item(ID_EDIT_UNDO, "&Undo\tCtrl+Z", kUndo),
    Item(ID_EDIT_REDO, "&Redo\tCtrl+Y", kRedo),
    Separator(),
    Item(ID_TOOLS_CLEAN_UP, "&Clean up\tF6"),
    Separator(),
    Item(ID_TOOLS_OPTIONS, "O&ptions...\tF10"),
};

constexpr MenuItemSpec kViewItems[] = {
    Item(ID_VIEW_TOOLBAR, "&Toolbar"),
    Item(ID_VIEW_STATUS_BAR, "&Status Bar"),
    Separator(),
    Item(ID_VIEW_REFRESH, "&Refresh\tF5"),
    Item(ID_VIEW_HISTORY, "&History...\tCtrl+H"),
    Item(ID_VIEW_REPORT, "Re&port..."),
};

constexpr MenuItemSpec kHelpItems[] = {
    Item(ID_HELP_INDEX, "&Help...\tF1"),
    Separator(),
    Item(ID_HELP_TERMS, "&Terms and Conditions"),
    Item(ID_HELP_WEB_SITE, "&Web Site of Tallydene"),
};

constexpr MenuSpec kMainMenuBar[] = {
    {TrLater("&File"), kFileItems},   {TrLater("&Project"), kProjectItems},
    {TrLater("&Todo"), kTodoItems},   {TrLater("&Overtime"), kOvertimeItems},
    {TrLater("T&ools"), kToolsItems}, {TrLater("&View"), kViewItems},
    {TrLater("&Help"), kHelpItems},
};

// The project menu offers no "new project"; a new todo goes into the selected project.
constexpr MenuItemSpec kProjectContextItems[] = {
    Item(ID_TODO_NEW, "&New Todo...\tIns"),
    Separator(),
    Item(ID_PROJECT_COPY_NAME, "Copy Na&me\tCtrl+C", kCopyName),
    Item(ID_PROJECT_COPY_TIME, "Copy T&ime\tCtrl+Shift+C", kCopyTime),
    Item(ID_PROJECT_DELETE, "&Delete\tDel", kDelete),
    Separator(),
    Item(ID_PROJECT_PROPERTIES, "Pr&operties...\tEnter"),
};
constexpr MenuSpec kProjectContextMenu{"", kProjectContextItems};

constexpr MenuItemSpec kTodoContextItems[] = {
    Item(ID_TODO_ACTIVATE, "&Activate\tSpace", kActivate),
    Item(ID_TODO_PAUSE, "&Pause\tEsc", kPause),
    Separator(),
    Item(ID_TODO_COMPLETED, "&Completed\tF8", kCompleted),
    Submenu("&Set Priority", kPriorityMenu),
    Item(ID_TODO_COPY_NAME, "Copy Na&me\tCtrl+C", kCopyName),
    Item(ID_TODO_COPY_TIME, "Copy T&ime\tCtrl+Shift+C", kCopyTime),
    Item(ID_TODO_DELETE, "D&elete\tDel", kDelete),
    Separator(),
    Item(ID_TODO_TRANSFER_TIME, "&Transfer Time..."),
    Item(ID_TODO_ADD_TIME, "A&dd Time..."),
    Item(ID_TODO_REMOVE_TIME, "&Remove Time..."),
    Item(ID_TODO_ZERO_TIME, "&Zero Time\tF7"),
    Separator(),
    Item(ID_TODO_PROPERTIES, "Pr&operties...\tEnter"),
};
constexpr MenuSpec kTodoContextMenu{"", kTodoContextItems};

} // namespace

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

} // namespace res
