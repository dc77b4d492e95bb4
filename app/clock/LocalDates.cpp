#include "app/clock/LocalDates.h"

#include "toolbox/SystemTime.h"

#include <cstdio>
#include <ctime>

namespace
{

// A real date and time: mktime would carry 31 April into May.
std::optional<int64_t> MomentOf(int year, int month, int day, int hour, int minute, int daysLater)
{
    if (month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    std::tm checked = local;
    if (std::mktime(&checked) == -1 || checked.tm_mday != day || checked.tm_mon != month - 1)
        return std::nullopt;
    local.tm_mday += daysLater;
    return static_cast<int64_t>(std::mktime(&local));
}

bool IsDate(const std::string& text)
{
    return text.size() >= 10 && text[4] == '-' && text[7] == '-';
}

} // namespace

std::string LocalDates::Text(int64_t moment, const char* format)
{
    const std::time_t time = static_cast<std::time_t>(moment);
    std::tm local = toolbox::LocalFieldsOf(time);
    char text[96];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::optional<int64_t> LocalDates::StartOfDate(const std::string& text, int daysLater)
{
    int year = 0, month = 0, day = 0;
    char rest = '\0';
    if (text.size() != 10 || !IsDate(text) ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3)
        return std::nullopt;
    return MomentOf(year, month, day, 0, 0, daysLater);
}

std::optional<int64_t> LocalDates::Moment(const std::string& text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    char rest = '\0';
    if (text.size() != 16 || !IsDate(text) || text[10] != ' ' || text[13] != ':' ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &year, &month, &day, &hour, &minute,
                    &rest) != 5)
        return std::nullopt;
    return MomentOf(year, month, day, hour, minute, 0);
}
