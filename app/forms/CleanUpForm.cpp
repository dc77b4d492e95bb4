#include "app/forms/CleanUpForm.h"

#include "app/Tallydene.h"
#include "toolbox/ConfigSection.h"

namespace
{

constexpr const char* kSection = "CleanUp";
constexpr const char* kDeleteCompleted = "DeleteCompleted";
constexpr const char* kZeroClocks = "ZeroClocks";

} // namespace

CleanUpForm::CleanUpForm(Tallydene& app) : app(app) {}

void CleanUpForm::Open()
{
    toolbox::ConfigSection& section = app.GetConfig().GetRoot().GetSection(kSection);
    deleteCompleted = section.GetBool(kDeleteCompleted, true);
    zeroClocks = section.GetBool(kZeroClocks, true);
}

FormResult CleanUpForm::Confirm(Prompts& /*prompts*/)
{
    toolbox::ConfigSection& section = app.GetConfig().GetRoot().GetSection(kSection);
    section.GetParameter(kDeleteCompleted).SetBool(deleteCompleted);
    section.GetParameter(kZeroClocks).SetBool(zeroClocks);
    return FormResult::Accept();
}
