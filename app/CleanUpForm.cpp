#include "app/CleanUpForm.h"

#include "app/Tallydene.h"
#include "toolbox/ConfigSection.h"

namespace
{

constexpr const char* SECTION = "CleanUp";
constexpr const char* DELETE_COMPLETED = "DeleteCompleted";
constexpr const char* ZERO_CLOCKS = "ZeroClocks";

} // namespace

CleanUpForm::CleanUpForm(Tallydene& app) : app(app) {}

void CleanUpForm::Open()
{
    toolbox::ConfigSection& section = app.GetConfig().GetRoot().GetSection(SECTION);
    deleteCompleted = section.GetBool(DELETE_COMPLETED, true);
    zeroClocks = section.GetBool(ZERO_CLOCKS, true);
}

FormResult CleanUpForm::Confirm(Prompts& /*prompts*/)
{
    toolbox::ConfigSection& section = app.GetConfig().GetRoot().GetSection(SECTION);
    section.GetParameter(DELETE_COMPLETED).SetBool(deleteCompleted);
    section.GetParameter(ZERO_CLOCKS).SetBool(zeroClocks);
    return FormResult::Accept();
}
