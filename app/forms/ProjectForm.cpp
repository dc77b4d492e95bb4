#include "app/forms/ProjectForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/TrimWhiteSpace.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "toolbox/Translation.h"

void ProjectForm::Open()
{
    name = project.GetName();
    shownTotal = ShownDuration(app, project.GetTotalTime());
    totalTime = shownTotal.Text();
    hint = app.GetDurations().DurationHint();
    comment = project.GetComment();
}

FormResult ProjectForm::Confirm(Prompts& prompts)
{
    const std::string newName = TrimWhiteSpace(name);
    const std::string newComment = TrimWhiteSpace(comment);

    for (const Project* other : app.GetProjects())
    {
        if (other != &project && other->GetName() == newName)
        {
            prompts.Refuse(toolbox::Translation::Tr("A project with this name already exists."));
            return FormResult::Refuse(FormField::Name);
        }
    }
    const std::optional<int32_t> typed =
        shownTotal.Read(prompts, totalTime, project.GetTotalTime(), EmptyField::Refused);
    if (!typed)
        return FormResult::Refuse(FormField::TotalTime);
    int32_t total = *typed;
    const int32_t sum = project.SumOfTodoTimes();
    if (total < sum)
    {
        if (!prompts.Ask(
                toolbox::Translation::Tr("The project's total time may not be less than\nthe "
                                         "current open todos' sum of times.\nApply the "
                                         "todos' sum?"),
                Prompts::QuestionIcon::Warning))
            return FormResult::Refuse(FormField::TotalTime);
        total = sum;
    }

    // A new project is not yet in the books: the command hands it to the ledger whole.
    if (app.GetProjects().IndexOf(&project) < 0)
    {
        project.SetName(newName);
        project.SetTotalTime(total);
        project.SetComment(newComment);
        return FormResult::Accept();
    }
    const std::string& id = project.GetId();
    app.GetLedger().Apply({Change::Time(JournalKind::total, {}, id, 0,
                                        static_cast<int64_t>(total) - project.GetTotalTime(), 0),
                           Change::Rename(id, newName), Change::Comment(id, newComment)});
    return FormResult::Accept();
}
