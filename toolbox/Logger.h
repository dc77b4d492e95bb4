#pragma once

#include "toolbox/String.h"

#include <cstdarg>
#include <cstdint>
#include <ctime>
#include <string>

namespace toolbox
{

// The diagnostic log: dated, levelled lines appended to a file named after the program in the
// user's documents folder. "/log" with a level word on the command line sets the least level
// written; by default only errors and worse are, and the file is not opened before the first
// line that passes.
//
// The process's logger is made by the first call of Global(); the program's main calls it
// before anything else, so that it lives from the start to after the application object.
// The logger alive last (Global's, or a test's own) receives the lines of exceptions raised
// with a place and the configuration's reports.
class Logger
{
public:
    static constexpr int32_t kLevelDebug = 1;
    static constexpr int32_t kLevelInfo = 2;
    static constexpr int32_t kLevelWarn = 3;
    static constexpr int32_t kLevelError = 4;
    static constexpr int32_t kLevelException = 5;
    static constexpr int32_t kLevelFatal = 6;
    // Set by an unknown level word; no line reaches it.
    static constexpr int32_t kLevelNothing = 127;

    // Where the logger takes its time from; tests give one they can set.
    class Clock
    {
    public:
        virtual ~Clock() = default;
        // A count of milliseconds that only moves forward.
        virtual int64_t TickMilliseconds() const = 0;
        virtual std::time_t UtcNow() const = 0;
    };
    static const Clock& SystemClock();

    // Reads the program path, the documents folder and the arguments from Places.
    // EIllegalArgument when the program path has no file name.
    explicit Logger(const Clock& clock = SystemClock());
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    // Writes one line when level reaches the threshold. location is written from after its
    // last backslash.
    void Log(const char* location, int line, int32_t level, const char* format, ...)
        __attribute__((format(printf, 5, 6)));
    void LogFromVargs(const char* location, int line, int32_t level, const char* format,
                      va_list arguments);

    const String& GetPath() const { return path; }
    // The log names the user's work: it is closed to whom the data file is closed.
    void FollowPermissionsOf(std::string file);
    // The same for the logger alive last, if any, without making one.
    static void FollowPermissionsOfDataFile(const std::string& file);
    int32_t GetThreshold() const { return threshold; }

    static Logger& Global();
    // One line to the logger alive last, if any: for code that has no logger of its own.
    static void Report(const char* location, int line, int32_t level, const std::string& text);

private:
    bool OpenFile();

    const Clock& clock;
    int file = -1;
    String path;
    std::string dataFile;
    int32_t threshold = kLevelError;
    int64_t startTick;
    Logger* previous = nullptr;
};

} // namespace toolbox
