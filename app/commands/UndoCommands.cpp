#include "app/commands/UndoCommands.h"

#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"

void UndoCommand(CommandContext& context)
{
    context.app.GetUndoHistory().Undo(context);
}

void RedoCommand(CommandContext& context)
{
    context.app.GetUndoHistory().Redo(context);
}
