#include "app/ProjectForm.h"

#include "app/BookedChange.h"
#include "app/JournalEntry.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/TrimWhiteSpace.h"
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

void ProjectForm::RecordInJournal(const std::string& newName, int32_t newTotal) const
{
    const std::string& oldName = project.GetName();
    // A new project has no history yet.
    if (oldName.empty())
        return;
    if (newTotal != project.GetTotalTime())
        app.GetJournal().Record({JournalKind::total, 0, 0, 0,
                                 static_cast<int64_t>(newTotal) - project.GetTotalTime(), 0,
                                 oldName, "", ""},
                                app.Now());
    if (newName != oldName)
        app.GetJournal().Record({JournalKind::rename, 0, 0, 0, 0, 0, oldName, "", newName},
                                app.Now());
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

    RecordInJournal(newName, total);
    project.SetName(newName);
    project.SetTotalTime(total);
    project.SetComment(newComment);
    return FormResult::Accept();
}
