#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable for the life of the object and puts back what was there. The
// callback, if any, runs after the change and after the restore, for a library that reads the
// variable once (the C library's time zone).
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const char* value, void (*changed)() = nullptr)
        : name(name), changed(changed)
    {
        if (const char* before = std::getenv(name))
            saved = before;
        setenv(name, value, 1);
        if (changed != nullptr)
            changed();
    }
    ~ScopedVariable()
    {
        if (saved)
            setenv(name.c_str(), saved->c_str(), 1);
        else
            unsetenv(name.c_str());
        if (changed != nullptr)
            changed();
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name;
    void (*changed)();
    std::optional<std::string> saved;
};
