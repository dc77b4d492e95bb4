#include "res/CommandPrompts.h"

#include "res/CommandIds.h"
#include "toolbox/Translation.h"

#include <algorithm>

namespace res
{
namespace
{

using toolbox::TrLater;

struct Prompt
{
    int id;
    const char* text;
};

// Kept in ascending order of identifier for the lookup. The windows translate the whole text
// and then split it.
constexpr Prompt kPrompts[] = {
    {ID_ITEM_ACTIVATE, TrLater("Actives the selected or a default todo.\nActivate todo")},
    {ID_ITEM_COPY_NAME,
     TrLater("Copy the name of the selected item into the clipboard.\nCopy item's name")},
    {ID_ITEM_COPY_TIME,
     TrLater("Copy the time of the selected item into the clipboard.\nCopy item's time")},
    {ID_HELP_INDEX, TrLater("Open the help of Tallydene.\nHelp")},
    {ID_HELP_TERMS, TrLater("Open the Terms and Conditions.\nTerms and Conditions")},
    {ID_HELP_WEB_SITE, TrLater("Open the web site of Tallydene.\nWeb site")},
    {ID_PROJECT_COPY_NAME,
     TrLater("Copy the name of the selected project into the clipboard.\nCopy project's name")},
    {ID_PROJECT_COPY_TIME,
     TrLater("Copy the time of the selected project into the clipboard.\nCopy project's time")},
    {ID_PROJECT_DELETE, TrLater("Delete the selected project.\nDelete project")},
    {ID_PROJECT_NEW, TrLater("Create a new project.\nNew project")},
    {ID_PROJECT_PROPERTIES, TrLater("Edit the selected project.\nEdit project")},
    {ID_TODO_ACTIVATE, TrLater("Start time counter for the selected todo.\nActivate todo")},
    {ID_TODO_ADD_TIME, TrLater("Add time to the selected todo.\nAdd time")},
    {ID_TODO_COMPLETED, TrLater("Set the todo's priority to completed.\nSet todo completed")},
    {ID_TODO_COPY_NAME,
     TrLater("Copy the name of the selected todo into the clipboard.\nCopy todo's name")},
    {ID_TODO_COPY_TIME,
     TrLater("Copy the time of the selected todo into the clipboard.\nCopy todo's time")},
    {ID_TODO_DELETE, TrLater("Delete the selected todo.\nDelete todo")},
    {ID_TODO_NEW, TrLater("Create a new todo.\nNew todo")},
    {ID_TODO_PAUSE, TrLater("Stop the running time counter.\nPause")},
    {ID_TODO_PROPERTIES, TrLater("Edit the selected todo.\nEdit todo")},
    {ID_TODO_REMOVE_TIME, TrLater("Remove from the selected todo.\nRemove time")},
    {ID_TODO_TRANSFER_TIME,
     TrLater("Transfers some time from the selected todo to another one.\nTransfer todo's time")},
    {ID_TODO_ZERO_TIME, TrLater("Zeros the selected todo's time.\nZero todo's time")},
    {ID_TOOLS_CLEAN_UP, TrLater("Clean up all todos.\nClean up")},
    {ID_TOOLS_OPTIONS, TrLater("Set up the application.\nOptions")},
    {ID_VIEW_REFRESH, TrLater("Refresh the view.\nRefresh")},
    {ID_OVERTIME_WORKING_HOURS,
     TrLater("Edit the working hours and current overtime.\nWorking hours")},
    {ID_OVERTIME_TODAYS_TARGET,
     TrLater("Set the overtime to the today's target working hours.\nToday's target")},
    {ID_OVERTIME_ZERO, TrLater("Zero the overtime (target is reached).\nZero overtime")},
    {ID_FILE_RESTORE,
     TrLater("Replace the data with one of its daily backups.\nRestore from backup")},
    {ID_EDIT_UNDO, TrLater("Take back the last change of the data.\nUndo")},
    {ID_EDIT_REDO, TrLater("Make the last undone change again.\nRedo")},
    {ID_VIEW_HISTORY, TrLater("Show and correct the sessions worked.\nHistory")},
    {ID_VIEW_REPORT, TrLater("Show the time booked in a day, week or month.\nReport")},
    {ID_ITEM_DELETE, TrLater("Delete the selected item.\nDelete item\n")},
    {ID_APP_EXIT, TrLater("Quit the application.\nExit")},
    {ID_VIEW_TOOLBAR, TrLater("Show or hide the tool bar.\nToggle tool bar")},
    {ID_VIEW_STATUS_BAR, TrLater("Show or hide the status bar.\nToggle status bar")},
};

static_assert(std::is_sorted(std::begin(kPrompts), std::end(kPrompts),
                             [](const Prompt& a, const Prompt& b) { return a.id < b.id; }));

} // namespace

const char* PromptOf(int id)
{
    const auto* found = std::lower_bound(std::begin(kPrompts), std::end(kPrompts), id,
                                         [](const Prompt& p, int key) { return p.id < key; });
    if (found == std::end(kPrompts) || found->id != id)
        return nullptr;
    return found->text;
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

} // namespace res
