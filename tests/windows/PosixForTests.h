#pragma once

// Included first in every test source of the Windows build: the few POSIX calls the tests use
// to set up their worlds (a time zone, a private home, a temporary folder), made of their
// Windows counterparts so that the same tests run on both systems.

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <direct.h>
#include <io.h>
#include <string>
#include <unistd.h>

inline std::time_t timegm(std::tm* fields)
{
    return _mkgmtime(fields);
}

inline int setenv(const char* name, const char* value, int overwrite)
{
    if (!overwrite && std::getenv(name) != nullptr)
        return 0;
    // The C library takes an empty value for removal: a variable set empty is as good as none
    // for every test that sets one.
    return _putenv_s(name, value);
}

inline int unsetenv(const char* name)
{
    return _putenv_s(name, "");
}

inline char* mkdtemp(char* pattern)
{
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        std::string name = pattern;
        static unsigned counter = 0;
        const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789";
        unsigned seed = static_cast<unsigned>(std::time(nullptr)) ^
                        (static_cast<unsigned>(_getpid()) << 8) ^ (++counter * 2654435761u);
        for (std::size_t i = name.size() - 6; i < name.size(); ++i)
        {
            name[i] = letters[seed % letters.size()];
            seed = seed * 1103515245u + 12345u;
        }
        if (_mkdir(name.c_str()) == 0)
        {
            name.copy(pattern, name.size());
            return pattern;
        }
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}
