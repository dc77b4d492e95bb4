#include "app/ToolsCommands.h"

#include "app/BookedChange.h"
#include "app/CleanUpForm.h"
#include "app/CommandContext.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/OptionsForm.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
#include "toolbox/Translation.h"

namespace
{

void ZeroAndDeleteTodos(Tallydene& app, Project& project, const CleanUpForm& form)
{
    toolbox::ArrayList<Todo>& todos = project.GetTodos();
    int position = 0;
    while (Todo* todo = todos.Get(position))
    {
        if (form.zeroClocks)
        {
            const BookedChange booked(app, todo);
            todo->SetTime(0);
            booked.Record(JournalKind::cleanUp);
            app.LogEvent("Set todo's time to zero (clean up)", todo->GetName());
            todo->Refresh(app);
            project.Refresh(app);
        }
        if (form.deleteCompleted && todo->IsCompleted())
        {
            app.LogEvent("Deleted a todo (clean up)", todo->GetName());
            if (TreeControl* tree = app.GetMainTree(); tree != nullptr)
                if (const TreeNode node = tree->NodeOf(*todo); node != nullptr)
                    tree->DeleteNode(node);
            todos.DeleteAt(position);
            project.Refresh(app);
            // The next todo now stands at this position.
            continue;
        }
        ++position;
    }
}

} // namespace

void OptionsCommand(CommandContext& context)
{
    Tallydene& app = context.app;
    app.BringUpToDate();
    OptionsForm form(app);
    if (!context.dialogs.Show(form))
        return;
    app.BringUpToDate();
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
        app.BringUpToDate();
        for (Project* project : app.GetProjects())
            ZeroAndDeleteTodos(app, *project, form);
        app.BringUpToDate();
    }
    context.FocusTree();
}
