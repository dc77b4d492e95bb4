#pragma once

#include "tests/support/ScopedVariable.h"

#include <cstring>
#include <ctime>

// Sets the time zone the C library takes local time in, for the life of the object, and
// restores the one before.
class LocalZone : public ScopedVariable
{
public:
    explicit LocalZone(const char* zone) : ScopedVariable("TZ", RuntimeZone(zone), tzset) {}

private:
    // The Windows C runtime knows no zone names, only a name, its offset and a summer time's
    // name ("CET-1CEST"), without the summer time's rules: the zones the tests name, in that
    // form. Where a test needs the rules, the case is Linux-only.
    static const char* RuntimeZone(const char* zone)
    {
#ifdef _WIN32
        static constexpr const char* kZones[][2] = {{"UTC", "UTC0"},
                                                    {"Europe/Berlin", "CET-1CEST"},
                                                    {"America/Los_Angeles", "PST8PDT"},
                                                    {"Pacific/Tongatapu", "TOT-13"}};
        for (const auto& names : kZones)
            if (std::strcmp(names[0], zone) == 0)
                return names[1];
#endif
        return zone;
    }
};
