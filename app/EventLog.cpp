#include "app/EventLog.h"

#include "toolbox/DataFilePermissions.h"

#include <cstdio>
#include <unistd.h>

namespace
{

std::string Timestamp(const std::tm& utc)
{
    // Wide enough for any year a std::tm can hold, so nothing is ever cut.
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d : ", 1900LL + utc.tm_year,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

// Control characters shown as escapes: a name holding a line end must not start a line of
// its own that reads like an event.
std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text)
    {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20)
            escaped += c;
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else
        {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        }
    }
    return escaped;
}

} // namespace

EventLog::EventLog(const toolbox::Path& dataFolder)
    : dataFolder(dataFolder), besideProgram(toolbox::Path::ProgramFileIn(
                                  toolbox::Path::CreateApplicationDirectoryPath(), "log")),
      inDataFolder(toolbox::Path::ProgramFileIn(dataFolder, "log"))
{
}

void EventLog::Write(const std::tm& utc, const std::string& message) const
{
    WriteLine(FormatLine(utc, message));
}

void EventLog::Write(const std::tm& utc, const std::string& message,
                     const std::string& detail) const
{
    WriteLine(FormatLine(utc, message, detail));
}

void EventLog::WriteLine(const std::string& line) const
{
    if (!besideProgram || AppendLine(besideProgram->ToString(false).str(), line))
        return;
    // An installed program usually cannot write beside itself; the data folder always can,
    // made again should it have gone during the run.
    dataFolder.CreateDirectories();
    AppendLine(inDataFolder->ToString(false).str(), line);
}

std::string EventLog::FormatLine(const std::tm& utc, const std::string& message)
{
    return Timestamp(utc) + Escaped(message) + "\r\n";
}

std::string EventLog::FormatLine(const std::tm& utc, const std::string& message,
                                 const std::string& detail)
{
    return Timestamp(utc) + Escaped(message) + ": " + Escaped(detail) + "\r\n";
}

bool EventLog::AppendLine(const std::string& fileName, const std::string& line) const
{
    // Never waits on a pipe or a device put in the log's place, and writes into nothing but a
    // plain file. The names of the user's work are closed to whom the data file is.
    const int file = toolbox::DataFilePermissions::OpenForAppending(
        fileName, toolbox::Path::CreateApplicationLikePath(dataFolder, "cfg").ToString(false).str(),
        false);
    if (file < 0)
        return false;
    // A line that fails half-way is lost like one that never started; writing it elsewhere too
    // could leave it twice.
    [[maybe_unused]] const ssize_t written = ::write(file, line.data(), line.size());
    ::close(file);
    return true;
}
