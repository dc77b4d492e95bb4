#pragma once

#include <new>
#include <optional>
#include <string>

namespace toolbox
{

// Receives the diagnostic-log line of every exception raised with a place and a line. The
// logger installs itself here; until then such lines go nowhere.
using ExceptionLogHook = void (*)(const char* place, int line, const char* text);
void SetExceptionLogHook(ExceptionLogHook hook);

// Root of the foundation library's exceptions. Every copy owns its own message and file texts.
class Exception
{
public:
    explicit Exception(const char* name);
    // Writes the diagnostic-log line when a place and a non-zero line are given.
    Exception(const char* name, const char* message, const char* place, int line);
    Exception(const Exception& other);
    Exception& operator=(const Exception& other);
    virtual ~Exception();

    const char* GetName() const { return name; }
    int GetLine() const { return line; }
    // nullptr when there is none.
    const char* GetMessage() const { return message ? message->c_str() : nullptr; }
    // The place from after its last backslash; nullptr when there is none.
    const char* GetFile() const { return file ? file->c_str() : nullptr; }

private:
    const char* name;
    int line;
    std::optional<std::string> message;
    std::optional<std::string> file;
};

class EOutOfMemory : public Exception
{
public:
    EOutOfMemory();
};

// Base of the exceptions that carry a message and the place they were raised.
class EAutoBreaking : public Exception
{
public:
    EAutoBreaking(const char* name, const char* message, const char* place, int line);
};

// A caller passed something the operation cannot work with.
class EIllegalArgument : public EAutoBreaking
{
public:
    EIllegalArgument(const char* message, const char* place, int line);
};

// The program's surroundings are not as the operation needs them.
class EIllegalState : public EAutoBreaking
{
public:
    EIllegalState(const char* message, const char* place, int line);
};

// Runs an operation that allocates on the library's own behalf; the standard library's
// allocation failure leaves it as the family's EOutOfMemory.
template <class Operation> decltype(auto) GuardAllocation(Operation&& operation)
{
    try
    {
        return operation();
    }
    catch (const std::bad_alloc&)
    {
        throw EOutOfMemory();
    }
}

} // namespace toolbox
