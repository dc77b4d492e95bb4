#include "app/forms/RemoveTimeForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/forms/ReadDurationField.h"
#include "app/journal/JournalEntry.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

FormResult RemoveTimeForm::Confirm(Prompts& prompts)
{
    const std::optional<int32_t> typed =
        ReadDurationField(app, prompts, amount, EmptyField::Refused);
    if (!typed)
        return FormResult::Refuse(FormField::Amount);
    int64_t removed = *typed;
    if (todo.GetTime() < removed)
    {
        if (!prompts.Ask(toolbox::Translation::Tr(
                             "The todo does not have that much time.\nSet the time to zero?"),
                         Prompts::QuestionIcon::Warning))
            return FormResult::Refuse(FormField::Amount);
        removed = todo.GetTime();
    }
    Apply(-removed, JournalKind::remove);
    return FormResult::Accept();
}
