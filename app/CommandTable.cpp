#include "app/CommandTable.h"

#include "app/ActivationCommands.h"
#include "app/BackupCommands.h"
#include "app/CopyCommands.h"
#include "app/DeleteCommands.h"
#include "app/HelpCommands.h"
#include "app/HistoryCommands.h"
#include "app/ReportCommands.h"
#include "app/OvertimeCommands.h"
#include "app/ProjectCommands.h"
#include "app/TimeCommands.h"
#include "app/TodoCommands.h"
#include "app/ToolsCommands.h"
#include "res/CommandIds.h"

#include <algorithm>

namespace
{

using enum CommandScope;
using enum CommandEffect;

constexpr Command kCommands[] = {
    // The item-level commands act on a todo or a project, whichever is selected.
    {res::ID_ITEM_ACTIVATE, "Activate", View, Edits, ActivateItemCommand},
    {res::ID_ITEM_COPY_NAME, "Copy name", View, Reads, CopyItemNameCommand},
    {res::ID_ITEM_COPY_TIME, "Copy time", View, Reads, CopyItemTimeCommand},
    {res::ID_ITEM_PROPERTIES, "Properties", View, Edits, ItemPropertiesCommand},
    {res::ID_ITEM_DELETE, "Delete", ViewKeepingFocus, Edits, DeleteItemCommand},

    {res::ID_PROJECT_COPY_NAME, "Copy project name", View, Reads, CopyProjectNameCommand},
    {res::ID_PROJECT_COPY_TIME, "Copy project time", View, Reads, CopyProjectTimeCommand},
    {res::ID_PROJECT_DELETE, "Delete project", ViewKeepingFocus, Edits, DeleteProjectCommand},
    {res::ID_PROJECT_PROPERTIES, "Project properties", View, Edits, ProjectPropertiesCommand},

    {res::ID_TODO_ACTIVATE, "Activate todo", View, Clock, ActivateTodoCommand},
    {res::ID_TODO_PAUSE, "Pause", View, Clock, PauseCommand},
    {res::ID_TODO_NEW, "New todo", View, Edits, NewTodoCommand},
    {res::ID_TODO_PROPERTIES, "Todo properties", View, Edits, TodoPropertiesCommand},
    {res::ID_TODO_COMPLETED, "Set completed", View, Edits, SetCompletedCommand},
    {res::ID_TODO_PRIORITY_1, "Set priority 1", View, Edits, SetPriorityCommand},
    {res::ID_TODO_PRIORITY_2, "Set priority 2", View, Edits, SetPriorityCommand},
    {res::ID_TODO_PRIORITY_3, "Set priority 3", View, Edits, SetPriorityCommand},
    {res::ID_TODO_PRIORITY_4, "Set priority 4", View, Edits, SetPriorityCommand},
    {res::ID_TODO_PRIORITY_5, "Set priority 5", View, Edits, SetPriorityCommand},
    {res::ID_TODO_ADD_TIME, "Add time", View, Edits, AddTimeCommand},
    {res::ID_TODO_REMOVE_TIME, "Remove time", View, Edits, RemoveTimeCommand},
    {res::ID_TODO_TRANSFER_TIME, "Transfer time", View, Edits, TransferTimeCommand},
    {res::ID_TODO_ZERO_TIME, "Zero time", View, Edits, ZeroTimeCommand},
    {res::ID_TODO_COPY_NAME, "Copy todo name", View, Reads, CopyTodoNameCommand},
    {res::ID_TODO_COPY_TIME, "Copy todo time", View, Reads, CopyTodoTimeCommand},
    {res::ID_TODO_DELETE, "Delete todo", ViewKeepingFocus, Edits, DeleteTodoCommand},
    {res::ID_VIEW_REFRESH, "Refresh", View, Reads, RefreshViewCommand},

    {res::ID_PROJECT_NEW, "New project", App, Edits, NewProjectCommand},
    {res::ID_OVERTIME_ZERO, "Zero overtime", App, Edits, ZeroOvertimeCommand},
    {res::ID_OVERTIME_TODAYS_TARGET, "Today's target", App, Edits, OvertimeToTodaysTargetCommand},
    {res::ID_OVERTIME_WORKING_HOURS, "Working hours", App, Edits, WorkingHoursCommand},
    {res::ID_TOOLS_OPTIONS, "Options", App, Edits, OptionsCommand},
    {res::ID_TOOLS_CLEAN_UP, "Clean up", App, Edits, CleanUpCommand},
    {res::ID_FILE_RESTORE, "Restore from backup", App, Edits, RestoreFromBackupCommand},
    {res::ID_VIEW_HISTORY, "History", App, Edits, HistoryCommand},
    {res::ID_VIEW_REPORT, "Report", App, Reads, ReportCommand},
    {res::ID_HELP_INDEX, "Help topics", App, Reads, HelpIndexCommand},
    {res::ID_HELP_TERMS, "Terms", App, Reads, HelpTermsCommand},
    {res::ID_HELP_WEB_SITE, "Web site", App, Reads, WebSiteCommand},
};

} // namespace

std::span<const Command> AllCommands()
{
    return kCommands;
}

const Command* FindCommand(int id)
{
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [id](const Command& command) { return command.id == id; });
    return found != std::end(kCommands) ? found : nullptr;
}
