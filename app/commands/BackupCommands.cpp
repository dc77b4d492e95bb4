#include "app/commands/BackupCommands.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/backups/BackupRestore.h"
#include "app/commands/CommandContext.h"
#include "app/forms/Dialogs.h"
#include "app/forms/RestoreForm.h"
#include "toolbox/Translation.h"

void RestoreFromBackupCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (app.GetActiveTodo() != nullptr)
    {
        context.prompts.Refuse(toolbox::Translation::Tr("Please pause first."));
        return;
    }
    RestoreForm form(app);
    form.Open();
    if (form.rows.empty())
        context.prompts.Inform(toolbox::Translation::Tr(
            "There are no backups yet. Tallydene keeps one for each day you use it."));
    else if (context.dialogs.Show(form))
        BackupRestore::Restore(app, context.prompts, form.Chosen(), true);
    context.FocusTree();
}
