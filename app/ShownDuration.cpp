#include "app/ShownDuration.h"

#include "app/Tallydene.h"

ShownDuration::ShownDuration(const Tallydene& app, int32_t seconds)
    : text(app.FormatForDialog(seconds))
{
}

int32_t ShownDuration::Read(const std::string& field, int32_t current) const
{
    return field == text ? current : Tallydene::ParseDuration(field);
}
