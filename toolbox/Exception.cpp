#include "toolbox/Exception.h"

#include <atomic>
#include <cstring>

namespace toolbox
{

namespace
{

std::atomic<ExceptionLogHook> logHook{nullptr};

std::optional<std::string> CopyText(const char* text)
{
    if (text == nullptr)
    {
        return std::nullopt;
    }
    return std::string(text);
}

// A place may be a source path; only its part after the last backslash is kept.
std::optional<std::string> CopyFile(const char* place)
{
    if (place == nullptr)
    {
        return std::nullopt;
    }
    const char* backslash = std::strrchr(place, '\\');
    return std::string(backslash != nullptr ? backslash + 1 : place);
}

} // namespace

void SetExceptionLogHook(ExceptionLogHook hook)
{
    logHook = hook;
}

Exception::Exception(const char* name) : name(name), line(0) {}

Exception::Exception(const char* name, const char* message, const char* place, int line)
    : name(name), line(line), message(GuardAllocation([&] { return CopyText(message); })),
      file(GuardAllocation([&] { return CopyFile(place); }))
{
    ExceptionLogHook hook = logHook;
    if (place != nullptr && line != 0 && hook != nullptr)
    {
        // The same text as the format "%s.\nMessage: %s"; a missing message reads as printf's.
        std::string text = GuardAllocation(
            [&]
            {
                return std::string(name != nullptr ? name : "(null)") +
                       ".\nMessage: " + (message != nullptr ? message : "(null)");
            });
        hook(place, line, text.c_str());
    }
}

Exception::Exception(const Exception& other)
    : name(other.name), line(other.line), message(GuardAllocation([&] { return other.message; })),
      file(GuardAllocation([&] { return other.file; }))
{
}

Exception& Exception::operator=(const Exception& other)
{
    if (this != &other)
    {
        GuardAllocation(
            [&]
            {
                message = other.message;
                file = other.file;
            });
        name = other.name;
        line = other.line;
    }
    return *this;
}

Exception::~Exception() = default;

EOutOfMemory::EOutOfMemory() : Exception("EOutOfMemory") {}

EAutoBreaking::EAutoBreaking(const char* name, const char* message, const char* place, int line)
    : Exception(name, message, place, line)
{
}

EIllegalArgument::EIllegalArgument(const char* message, const char* place, int line)
    : EAutoBreaking("EIllegalArgument", message, place, line)
{
}

EIllegalState::EIllegalState(const char* message, const char* place, int line)
    : EAutoBreaking("EIllegalState", message, place, line)
{
}

} // namespace toolbox
