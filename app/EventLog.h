#pragma once

#include <ctime>
#include <string>

// The lines of the event log: the UTC date and time, " : " and the message, optionally ": "
// and a detail such as the name of the todo concerned, ending in CR LF on every platform.
class EventLog
{
public:
    EventLog() = delete;

    static std::string FormatLine(const std::tm& utc, const std::string& message);
    static std::string FormatLine(const std::tm& utc, const std::string& message,
                                  const std::string& detail);

    // Opens the file for this one line, so that other programs may read it at any time and no
    // handle is held between events. False only when the file cannot be opened for appending;
    // errors while writing are not reported.
    static bool AppendLine(const std::string& fileName, const std::string& line);
};
