#include "app/journal/SessionsCsv.h"

#include "app/clock/LocalDates.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

std::string SessionsCsv::HoursAndMinutes(int64_t seconds)
{
    const int64_t minutes = (std::llabs(seconds) + 30) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld:%02lld", seconds < 0 ? "-" : "",
                  static_cast<long long>(minutes / 60), static_cast<long long>(minutes % 60));
    return text;
}

std::string SessionsCsv::DecimalHours(int64_t seconds)
{
    const int64_t hundredths = (std::llabs(seconds) * 100 + 1800) / 3600;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", seconds < 0 ? "-" : "",
                  static_cast<long long>(hundredths / 100),
                  static_cast<long long>(hundredths % 100));
    return text;
}

std::string SessionsCsv::Field(const std::string& text)
{
    // A spreadsheet runs a cell that starts like a formula; the quote makes it show as text.
    const bool formulaLike =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    const std::string shown = formulaLike ? '\'' + text : text;
    if (shown.find_first_of(",\"\r\n") == std::string::npos)
        return shown;
    std::string quoted = "\"";
    for (char c : shown)
    {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string SessionsCsv::Text(const std::vector<Session>& sessions)
{
    std::string text = "Date,Start,End,Project,Todo,Duration,Hours,Ended\r\n";
    for (const Session& session : sessions)
    {
        text += LocalDates::Text(session.start, "%Y-%m-%d") + ',' +
                LocalDates::Text(session.start, "%H:%M") + ',' +
                LocalDates::Text(session.end, "%H:%M") + ',' + Field(session.project) + ',' +
                Field(session.todo) + ',' + HoursAndMinutes(session.booked) + ',' +
                DecimalHours(session.booked) + ',' + Field(session.how) + "\r\n";
    }
    return text;
}
