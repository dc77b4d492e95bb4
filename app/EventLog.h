#pragma once

#include "toolbox/Path.h"

#include <ctime>
#include <optional>
#include <string>

// The event log: lines of the UTC date and time, " : " and the message, optionally ": " and a
// detail such as the name of the todo concerned, ending in CR LF on every platform. The log
// lies beside the program, named after it; where that folder cannot be written, in the data
// folder under the same name.
class EventLog
{
public:
    explicit EventLog(const toolbox::Path& dataFolder);

    void Write(const std::tm& utc, const std::string& message) const;
    void Write(const std::tm& utc, const std::string& message, const std::string& detail) const;

private:
    static std::string FormatLine(const std::tm& utc, const std::string& message);
    static std::string FormatLine(const std::tm& utc, const std::string& message,
                                  const std::string& detail);

    // Opens the file for this one line, so that other programs may read it at any time and no
    // handle is held between events. False only when the file cannot be opened for appending;
    // errors while writing are not reported.
    bool AppendLine(const std::string& fileName, const std::string& line) const;
    void WriteLine(const std::string& line) const;

    toolbox::Path dataFolder;
    // None when the program path has no file name: then nothing is logged.
    std::optional<toolbox::Path> besideProgram;
    std::optional<toolbox::Path> inDataFolder;
};
