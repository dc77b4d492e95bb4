#include "app/forms/ShownDuration.h"

#include "app/Tallydene.h"

ShownDuration::ShownDuration(const Tallydene& app, int32_t seconds)
    : app(&app), text(app.GetDurations().FormatForDialog(seconds))
{
}

std::optional<int32_t> ShownDuration::Read(Prompts& prompts, const std::string& field,
                                           int32_t current, EmptyField empty) const
{
    if (field == text)
        return current;
    return ReadDurationField(*app, prompts, field, empty);
}
