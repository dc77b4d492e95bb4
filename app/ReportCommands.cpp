#include "app/ReportCommands.h"

#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/ReportForm.h"

void ReportCommand(CommandContext& context)
{
    ReportForm form(context.app);
    context.dialogs.Show(form);
}
