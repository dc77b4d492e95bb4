#include "app/commands/ReportCommands.h"

#include "app/commands/CommandContext.h"
#include "app/forms/Dialogs.h"
#include "app/forms/ReportForm.h"

void ReportCommand(CommandContext& context)
{
    ReportForm form(context.app);
    context.dialogs.Show(form);
}
