#include "app/UndoCommands.h"

#include "app/CommandContext.h"
#include "app/Tallydene.h"

void UndoCommand(CommandContext& context)
{
    context.app.GetUndoHistory().Undo(context);
}

void RedoCommand(CommandContext& context)
{
    context.app.GetUndoHistory().Redo(context);
}
