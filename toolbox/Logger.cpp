#include "toolbox/Logger.h"

#include "toolbox/CommandLine.h"
#include "toolbox/Config.h"
#include "toolbox/DataFilePermissions.h"
#include "toolbox/Exception.h"
#include "toolbox/Path.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <unistd.h>

namespace toolbox
{

namespace
{

Logger* current = nullptr;

class SteadySystemClock : public Logger::Clock
{
public:
    int64_t TickMilliseconds() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::time_t UtcNow() const override { return std::time(nullptr); }
};

int32_t LevelFromWord(const String& word)
{
    static const char* const words[] = {"debug", "info", "warn", "error", "exception", "fatal"};
    for (int32_t level = Logger::kLevelDebug; level <= Logger::kLevelFatal; ++level)
        if (word == words[level - 1])
            return level;
    return Logger::kLevelNothing;
}

const char* WordOfLevel(int32_t level)
{
    static const char* const words[] = {"Debug", "Info", "Warn", "Error", "Exception", "Fatal"};
    if (level < Logger::kLevelDebug || level > Logger::kLevelFatal)
        return "Unknown";
    return words[level - 1];
}

// The file's lines end with CR LF on every platform, also inside a message.
std::string WithFileLineEnds(const char* text)
{
    std::string bytes;
    for (; *text != '\0'; ++text)
    {
        if (*text == '\n')
            bytes += '\r';
        bytes += *text;
    }
    return bytes;
}

void WriteAll(int file, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size())
    {
        ssize_t count = write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return; // a diagnostic line that cannot be written is lost, as nothing can report it
        written += static_cast<size_t>(count);
    }
}

void LogException(const char* place, int line, const char* text)
{
    if (current != nullptr)
        current->Log(place, line, Logger::kLevelException, "%s", text);
}

void LogConfigReport(const char* place, int line, int level, const char* text)
{
    if (current != nullptr)
        current->Log(place, line, level, "%s", text);
}

} // namespace

const Logger::Clock& Logger::SystemClock()
{
    static const SteadySystemClock clock;
    return clock;
}

Logger::Logger(const Clock& clock) : clock(clock), startTick(clock.TickMilliseconds())
{
    const Path executable = Path::CreateExecutablePath();
    const String* programName = executable.GetLast();
    if (programName == nullptr)
        throw EIllegalArgument("__argv[0] contains an illegal program path",
                               "toolbox::Logger::Logger", __LINE__);
    String fileName(*programName);
    Path::SetExtension(fileName, "log");
    Path file = Path::CreateDocumentsDirectoryPath();
    file.Append(fileName.c_str());
    path = file.ToString(false);

    CommandLine commandLine;
    commandLine.AddOption("/log", 1);
    commandLine.ParseGlobal();
    const ArrayList<String>* parameters = commandLine.GetOptionArgs("/log");
    if (parameters != nullptr && !parameters->IsEmpty())
    {
        String word(*parameters->Get(0));
        word.ToLowerCase();
        threshold = LevelFromWord(word);
    }

    previous = current;
    current = this;
    SetExceptionLogHook(&LogException);
    SetConfigLogHook(&LogConfigReport);
    Log("toolbox::Logger::Logger", __LINE__, kLevelInfo, "Logger initialized");
}

Logger::~Logger()
{
    Log("toolbox::Logger::~Logger", __LINE__, kLevelInfo, "Shutting down logger");
    if (file >= 0)
        close(file);
    if (current == this)
        current = previous;
}

void Logger::FollowPermissionsOf(std::string file)
{
    dataFile = std::move(file);
    if (this->file >= 0)
        DataFilePermissions::Narrow(this->file, dataFile);
}

void Logger::FollowPermissionsOfDataFile(const std::string& file)
{
    if (current != nullptr)
        current->FollowPermissionsOf(file);
}

Logger& Logger::Global()
{
    static Logger logger;
    return logger;
}

void Logger::Report(const char* location, int line, int32_t level, const std::string& text)
{
    if (current != nullptr)
        current->Log(location, line, level, "%s", text.c_str());
}

void Logger::Log(const char* location, int line, int32_t level, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    LogFromVargs(location, line, level, format, arguments);
    va_end(arguments);
}

void Logger::LogFromVargs(const char* location, int line, int32_t level, const char* format,
                          va_list arguments)
{
    if (level < threshold)
        return;
    if (file < 0 && !OpenFile())
        return;

    String message;
    message.FormatFromVargs(format, arguments);

    // Local standard time: the zone's standard offset, never daylight saving.
    tzset();
    std::time_t standard = clock.UtcNow() - timezone;
    std::tm parts{};
    gmtime_r(&standard, &parts);
    const int64_t elapsed = clock.TickMilliseconds() - startTick;
    const char* lastBackslash = std::strrchr(location, '\\');

    String text;
    text.Format("[%04d-%02d-%02d %02d:%02d:%02d (T+%lld.%03lld)] %s (%s:%d) ", parts.tm_year + 1900,
                parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                static_cast<long long>(elapsed / 1000), static_cast<long long>(elapsed % 1000),
                WordOfLevel(level), lastBackslash != nullptr ? lastBackslash + 1 : location, line);
    text.Append(message.c_str());
    text.Append('\n');
    WriteAll(file, WithFileLineEnds(text.c_str()));
}

bool Logger::OpenFile()
{
    if (path.IsEmpty())
        return false;
    // Never waits on a pipe or a device put in the log's place, writes into nothing but a plain
    // file, and keeps a second instance from writing into the same file meanwhile.
    int opened = DataFilePermissions::OpenForAppending(path.c_str(), dataFile, true);
    if (opened < 0)
        return false;
    file = opened;
    WriteAll(file, WithFileLineEnds("\n-------------------------------------------------------"
                                    "------------------------\n"));
    return true;
}

} // namespace toolbox
