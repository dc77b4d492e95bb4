#include "app/forms/TodoForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/TrimWhiteSpace.h"
#include "app/ledger/Ledger.h"
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

    const int32_t newPriority = IsPriority(priority) ? priority : todo.GetPriority();
    const std::string newComment = TrimWhiteSpace(comment);
    // A new todo is not yet in the books: the command hands it to the ledger whole.
    const Project* project = todo.GetProject();
    if (project == nullptr || project->GetTodos().IndexOf(&todo) < 0)
    {
        todo.SetName(newName);
        todo.SetPriority(newPriority);
        todo.SetComment(newComment);
        return FormResult::Accept();
    }
    app.GetLedger().Apply({Change::Rename(todo.GetId(), newName),
                           Change::Priority(todo.GetId(), newPriority),
                           Change::Comment(todo.GetId(), newComment)});
    return FormResult::Accept();
}
