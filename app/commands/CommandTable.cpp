#include "app/commands/CommandTable.h"

#include "app/commands/ActivationCommands.h"
#include "app/commands/BackupCommands.h"
#include "app/commands/CopyCommands.h"
#include "app/commands/DeleteCommands.h"
#include "app/commands/HelpCommands.h"
#include "app/commands/HistoryCommands.h"
#include "app/commands/OvertimeCommands.h"
#include "app/commands/ProjectCommands.h"
#include "app/commands/ReportCommands.h"
#include "app/commands/TimeCommands.h"
#include "app/commands/TodoCommands.h"
#include "app/commands/ToolsCommands.h"
#include "app/commands/UndoCommands.h"
#include "res/CommandIds.h"
#include "toolbox/Translation.h"

#include <algorithm>

namespace
{

using enum CommandScope;
using enum CommandEffect;
using toolbox::TrLater;

constexpr Command kCommands[] = {
    // The item-level commands act on a todo or a project, whichever is selected.
    {res::ID_ITEM_ACTIVATE, TrLater("Activate"), View, Edits, ActivateItemCommand},
    {res::ID_ITEM_COPY_NAME, TrLater("Copy name"), View, Reads, CopyItemNameCommand},
    {res::ID_ITEM_COPY_TIME, TrLater("Copy time"), View, Reads, CopyItemTimeCommand},
    {res::ID_ITEM_PROPERTIES, TrLater("Properties"), View, Edits, ItemPropertiesCommand},
    {res::ID_ITEM_DELETE, TrLater("Delete"), ViewKeepingFocus, Edits, DeleteItemCommand},

    {res::ID_PROJECT_COPY_NAME, TrLater("Copy project name"), View, Reads, CopyProjectNameCommand},
    {res::ID_PROJECT_COPY_TIME, TrLater("Copy project time"), View, Reads, CopyProjectTimeCommand},
    {res::ID_PROJECT_DELETE, TrLater("Delete project"), ViewKeepingFocus, Edits,
     DeleteProjectCommand},
    {res::ID_PROJECT_PROPERTIES, TrLater("Project properties"), View, Edits,
     ProjectPropertiesCommand},

    {res::ID_TODO_ACTIVATE, TrLater("Activate todo"), View, Clock, ActivateTodoCommand},
    {res::ID_TODO_PAUSE, TrLater("Pause"), View, Clock, PauseCommand},
    {res::ID_TODO_NEW, TrLater("New todo"), View, Edits, NewTodoCommand},
    {res::ID_TODO_PROPERTIES, TrLater("Todo properties"), View, Edits, TodoPropertiesCommand},
    {res::ID_TODO_COMPLETED, TrLater("Set completed"), View, Edits, SetCompletedCommand},
    {res::ID_TODO_PRIORITY_1, TrLater("Set priority 1"), View, Edits, SetPriorityCommand<0>},
    {res::ID_TODO_PRIORITY_2, TrLater("Set priority 2"), View, Edits, SetPriorityCommand<1>},
    {res::ID_TODO_PRIORITY_3, TrLater("Set priority 3"), View, Edits, SetPriorityCommand<2>},
    {res::ID_TODO_PRIORITY_4, TrLater("Set priority 4"), View, Edits, SetPriorityCommand<3>},
    {res::ID_TODO_PRIORITY_5, TrLater("Set priority 5"), View, Edits, SetPriorityCommand<4>},
    {res::ID_TODO_ADD_TIME, TrLater("Add time"), View, Edits, AddTimeCommand},
    {res::ID_TODO_REMOVE_TIME, TrLater("Remove time"), View, Edits, RemoveTimeCommand},
    {res::ID_TODO_TRANSFER_TIME, TrLater("Transfer time"), View, Edits, TransferTimeCommand},
    {res::ID_TODO_ZERO_TIME, TrLater("Zero time"), View, Edits, ZeroTimeCommand},
    {res::ID_TODO_COPY_NAME, TrLater("Copy todo name"), View, Reads, CopyTodoNameCommand},
    {res::ID_TODO_COPY_TIME, TrLater("Copy todo time"), View, Reads, CopyTodoTimeCommand},
    {res::ID_TODO_DELETE, TrLater("Delete todo"), ViewKeepingFocus, Edits, DeleteTodoCommand},
    {res::ID_VIEW_REFRESH, TrLater("Refresh"), View, Reads, RefreshViewCommand},

    {res::ID_PROJECT_NEW, TrLater("New project"), App, Edits, NewProjectCommand},
    {res::ID_OVERTIME_ZERO, TrLater("Zero overtime"), App, Edits, ZeroOvertimeCommand},
    {res::ID_OVERTIME_TODAYS_TARGET, TrLater("Today's target"), App, Edits,
     OvertimeToTodaysTargetCommand},
    {res::ID_OVERTIME_WORKING_HOURS, TrLater("Working hours"), App, Edits, WorkingHoursCommand},
    {res::ID_TOOLS_OPTIONS, TrLater("Options"), App, Edits, OptionsCommand},
    {res::ID_TOOLS_CLEAN_UP, TrLater("Clean up"), App, Edits, CleanUpCommand},
    {res::ID_EDIT_UNDO, TrLater("Undo"), App, EditsInStepsOfItsOwn, UndoCommand},
    {res::ID_EDIT_REDO, TrLater("Redo"), App, EditsInStepsOfItsOwn, RedoCommand},
    {res::ID_FILE_RESTORE, TrLater("Restore from backup"), App, Edits, RestoreFromBackupCommand},
    {res::ID_VIEW_HISTORY, TrLater("History"), App, EditsInStepsOfItsOwn, HistoryCommand},
    {res::ID_VIEW_REPORT, TrLater("Report"), App, Reads, ReportCommand},
    {res::ID_HELP_INDEX, TrLater("Help topics"), App, Reads, HelpIndexCommand},
    {res::ID_HELP_TERMS, TrLater("Terms"), App, Reads, HelpTermsCommand},
    {res::ID_HELP_WEB_SITE, TrLater("Web site"), App, Reads, WebSiteCommand},
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

const Command* FindCommandRunning(void (*run)(CommandContext& context))
{
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [run](const Command& command) { return command.run == run; });
    return found != std::end(kCommands) ? found : nullptr;
}
