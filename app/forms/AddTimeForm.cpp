#include "app/forms/AddTimeForm.h"

#include "app/forms/ReadDurationField.h"
#include "app/journal/JournalEntry.h"
#include "model/Todo.h"

#include <algorithm>

FormResult AddTimeForm::Confirm(Prompts& prompts)
{
    const std::optional<int32_t> added =
        ReadDurationField(app, prompts, amount, EmptyField::Refused);
    if (!added)
        return FormResult::Refuse(FormField::Amount);
    // A negative amount takes at most what the todo has, as removing time does, so that the
    // project and the balance lose no more than the todo.
    Apply(std::max<int64_t>(*added, -static_cast<int64_t>(todo.GetTime())), JournalKind::add);
    return FormResult::Accept();
}
