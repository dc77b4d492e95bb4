#include "app/commands/CopyCommands.h"

#include "app/MainWindow.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"

void CopyItemNameCommand(CommandContext& context)
{
    context.ForSelected(CopyTodoNameCommand, CopyProjectNameCommand);
}

void CopyItemTimeCommand(CommandContext& context)
{
    context.ForSelected(CopyTodoTimeCommand, CopyProjectTimeCommand);
}

void CopyTodoNameCommand(CommandContext& context)
{
    if (Todo* todo = context.RequireTodo())
        context.Window().CopyToClipboard(todo->GetName());
}

void CopyTodoTimeCommand(CommandContext& context)
{
    context.app.GetLedger().BookClock();
    if (Todo* todo = context.RequireTodo())
        context.Window().CopyToClipboard(context.app.GetDurations().FormatForCopy(todo->GetTime()));
}

void CopyProjectNameCommand(CommandContext& context)
{
    if (Project* project = context.RequireProject())
        context.Window().CopyToClipboard(project->GetName());
}

void CopyProjectTimeCommand(CommandContext& context)
{
    context.app.GetLedger().BookClock();
    if (Project* project = context.RequireProject())
        context.Window().CopyToClipboard(
            context.app.GetDurations().FormatForCopy(project->GetTotalTime()));
}
