#include "app/TodoForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/TrimWhiteSpace.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

bool IsPriority(int32_t value)
{
    return value >= 0 && value <= kPriorityCompleted;
}

} // namespace

void TodoForm::Open()
{
    name = todo.GetName();
    time = app.GetDurations().FormatForDialog(todo.GetTime());
    // A value kept from a stored file that is no priority selects no button.
    priority = IsPriority(todo.GetPriority()) ? todo.GetPriority() : -1;
    // The caret starts on a fresh line below a comment, ready for another one.
    comment = TrimWhiteSpace(todo.GetComment());
    if (!comment.empty())
        comment += "\r\n";
}

FormResult TodoForm::Confirm(Prompts& prompts)
{
    const std::string newName = TrimWhiteSpace(name);
    // A todo is stored and found by its name; an empty one would be written as "\0".
    if (newName.empty())
    {
        prompts.Refuse(toolbox::Translation::Tr("Please enter a name for the todo."));
        return FormResult::Refuse(FormField::Name);
    }
    if (const Project* project = todo.GetProject())
    {
        for (const Todo* other : project->GetTodos())
        {
            if (other != &todo && other->GetName() == newName)
            {
                prompts.Refuse(toolbox::Translation::Tr("A todo with this name already exists."));
                return FormResult::Refuse(FormField::Name);
            }
        }
    }

    // A new todo has no history yet.
    if (!todo.GetName().empty() && newName != todo.GetName())
        app.GetJournal().Record({JournalKind::rename, 0, 0, 0, 0, 0, todo.GetProject()->GetName(),
                                 todo.GetName(), newName},
                                app.Now());
    todo.SetName(newName);
    if (IsPriority(priority))
        todo.SetPriority(priority);
    todo.SetComment(TrimWhiteSpace(comment));
    return FormResult::Accept();
}
