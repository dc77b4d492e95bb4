#include "app/HistoryCommands.h"

#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/HistoryForm.h"

void HistoryCommand(CommandContext& context)
{
    HistoryForm form(context.app);
    context.dialogs.Show(form);
}
