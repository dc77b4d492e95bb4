#include "app/BackupCommands.h"

#include "app/BackupRestore.h"
#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/Prompts.h"
#include "app/RestoreForm.h"
#include "app/Tallydene.h"

void RestoreFromBackupCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (app.GetActiveTodo() != nullptr)
    {
        context.prompts.Refuse("Please pause first.");
        return;
    }
    RestoreForm form(app);
    form.Open();
    if (form.rows.empty())
        context.prompts.Inform(
            "There are no backups yet. Tallydene keeps one for each day you use it.");
    else if (context.dialogs.Show(form))
        BackupRestore::Restore(app, context.prompts, form.Chosen(), true);
    context.FocusTree();
}
