#include "app/forms/ReadDurationField.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "toolbox/Translation.h"

std::optional<int32_t> ReadDurationField(const Tallydene& app, Prompts& prompts,
                                         const std::string& text, EmptyField empty)
{
    if (empty == EmptyField::Zero && text.find_first_not_of(' ') == std::string::npos)
        return 0;
    const std::optional<int32_t> seconds = Durations::ReadDuration(text);
    if (!seconds)
        prompts.Refuse(toolbox::Translation::TrFormat("Please enter a time in hours, such as %s.",
                                                      {app.GetDurations().DurationExample()}));
    return seconds;
}
