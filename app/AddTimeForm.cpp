#include "app/AddTimeForm.h"

#include "app/ReadDurationField.h"

FormResult AddTimeForm::Confirm(Prompts& prompts)
{
    const std::optional<int32_t> added =
        ReadDurationField(app, prompts, amount, EmptyField::Refused);
    if (!added)
        return FormResult::Refuse(FormField::Amount);
    Apply(*added);
    return FormResult::Accept();
}
