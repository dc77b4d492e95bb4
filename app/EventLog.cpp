#include "app/EventLog.h"

#include <cstdio>

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

} // namespace

std::string EventLog::FormatLine(const std::tm& utc, const std::string& message)
{
    return Timestamp(utc) + message + "\r\n";
}

std::string EventLog::FormatLine(const std::tm& utc, const std::string& message,
                                 const std::string& detail)
{
    return Timestamp(utc) + message + ": " + detail + "\r\n";
}

bool EventLog::AppendLine(const std::string& fileName, const std::string& line)
{
    std::FILE* file = std::fopen(fileName.c_str(), "ab");
    if (file == nullptr)
        return false;
    // A line that fails half-way is lost like one that never started; writing it elsewhere too
    // could leave it twice.
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
    return true;
}
