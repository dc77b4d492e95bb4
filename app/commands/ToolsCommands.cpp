#include "app/commands/ToolsCommands.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/OptionsForm.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

void ZeroAndDeleteTodos(Tallydene& app, const Project& project, const CleanUpForm& form,
                        std::vector<Change>& changes)
{
    for (const Todo* todo : project.GetTodos())
    {
        if (form.zeroClocks)
        {
            app.LogEvent("Set todo's time to zero (clean up)", todo->GetName());
            changes.push_back(Change::Time(JournalKind::cleanUp, todo->GetId(), {},
                                           -int64_t{todo->GetTime()}, 0, 0));
        }
        if (form.deleteCompleted && todo->IsCompleted())
        {
            app.LogEvent("Deleted a todo (clean up)", todo->GetName());
            changes.push_back(Change::DeleteTodo(todo->GetId()));
        }
    }
}

} // namespace

void OptionsCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    app.GetLedger().BookClock();
    OptionsForm form(app);
    if (!context.dialogs.Show(form))
        return;
    app.GetLedger().BookClock();
    if (MainWindow* window = app.GetMainWindow())
    {
        window->UpdateMenu();
        window->RebuildTree();
    }
}

void CleanUpCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    if (app.GetActiveTodo() != nullptr)
    {
        context.prompts.Refuse(toolbox::Translation::Tr("Please pause first."));
        return;
    }
    CleanUpForm form(app);
    if (context.dialogs.Show(form))
    {
        std::vector<Change> changes;
        for (const Project* project : app.GetProjects())
            ZeroAndDeleteTodos(app, *project, form, changes);
        app.GetLedger().Apply(std::move(changes));
    }
    context.FocusTree();
}
