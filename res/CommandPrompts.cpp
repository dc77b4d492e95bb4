#include "res/CommandPrompts.h"

#include "res/CommandIds.h"

#include <algorithm>

namespace res
{
namespace
{

struct Prompt
{
    int id;
    const char* text;
};

// Kept in ascending order of identifier for the lookup.
constexpr Prompt kPrompts[] = {
    {ID_ITEM_ACTIVATE, "Actives the selected or a default todo.\nActivate todo"},
    {ID_ITEM_COPY_NAME, "Copy the name of the selected item into the clipboard.\nCopy item's name"},
    {ID_ITEM_COPY_TIME, "Copy the time of the selected item into the clipboard.\nCopy item's time"},
    {ID_HELP_INDEX, "Open the help of Tallydene.\nHelp"},
    {ID_HELP_TERMS, "Open the Terms and Conditions.\nTerms and Conditions"},
    {ID_HELP_WEB_SITE, "Open the web site of Tallydene.\nWeb site"},
    {ID_PROJECT_COPY_NAME,
     "Copy the name of the selected project into the clipboard.\nCopy project's name"},
    {ID_PROJECT_COPY_TIME,
     "Copy the time of the selected project into the clipboard.\nCopy project's time"},
    {ID_PROJECT_DELETE, "Delete the selected project.\nDelete project"},
    {ID_PROJECT_NEW, "Create a new project.\nNew project"},
    {ID_PROJECT_PROPERTIES, "Edit the selected project.\nEdit project"},
    {ID_TODO_ACTIVATE, "Start time counter for the selected todo.\nActivate todo"},
    {ID_TODO_ADD_TIME, "Add time to the selected todo.\nAdd time"},
    {ID_TODO_COMPLETED, "Set the todo's priority to completed.\nSet todo completed"},
    {ID_TODO_COPY_NAME, "Copy the name of the selected todo into the clipboard.\nCopy todo's name"},
    {ID_TODO_COPY_TIME, "Copy the time of the selected todo into the clipboard.\nCopy todo's time"},
    {ID_TODO_DELETE, "Delete the selected todo.\nDelete todo"},
    {ID_TODO_NEW, "Create a new todo.\nNew todo"},
    {ID_TODO_PAUSE, "Stop the running time counter.\nPause"},
    {ID_TODO_PROPERTIES, "Edit the selected todo.\nEdit todo"},
    {ID_TODO_REMOVE_TIME, "Remove from the selected todo.\nRemove time"},
    {ID_TODO_TRANSFER_TIME,
     "Transfers some time from the selected todo to another one.\nTransfer todo's time"},
    {ID_TODO_ZERO_TIME, "Zeros the selected todo's time.\nZero todo's time"},
    {ID_TOOLS_CLEAN_UP, "Clean up all todos.\nClean up"},
    {ID_TOOLS_OPTIONS, "Set up the application.\nOptions"},
    {ID_VIEW_REFRESH, "Refresh the view.\nRefresh"},
    {ID_OVERTIME_WORKING_HOURS, "Edit the working hours and current overtime.\nWorking hours"},
    {ID_OVERTIME_TODAYS_TARGET,
     "Set the overtime to the today's target working hours.\nToday's target"},
    {ID_OVERTIME_ZERO, "Zero the overtime (target is reached).\nZero overtime"},
    {ID_ITEM_DELETE, "Delete the selected item.\nDelete item\n"},
    {ID_APP_EXIT, "Quit the application.\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the tool bar.\nToggle tool bar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar.\nToggle status bar"},
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
