#include "app/AddTimeForm.h"

#include "app/Tallydene.h"

FormResult AddTimeForm::Confirm(Prompts& /*prompts*/)
{
    Apply(Tallydene::ParseDuration(amount));
    return FormResult::Accept();
}
