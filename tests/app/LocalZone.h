#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets the time zone the C library takes local time in, for the life of the object, and
// restores the one before.
class LocalZone
{
public:
    explicit LocalZone(const char* zone)
    {
        if (const char* before = std::getenv("TZ"))
            saved = before;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone()
    {
        if (saved)
            setenv("TZ", saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::optional<std::string> saved;
};
