#include "app/commands/HistoryCommands.h"

#include "app/commands/CommandContext.h"
#include "app/forms/Dialogs.h"
#include "app/forms/HistoryForm.h"

void HistoryCommand(CommandContext& context)
{
    HistoryForm form(context.app);
    context.dialogs.Show(form);
}
