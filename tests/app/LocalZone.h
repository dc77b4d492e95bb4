#pragma once

#include "tests/support/ScopedVariable.h"

#include <ctime>

// Sets the time zone the C library takes local time in, for the life of the object, and
// restores the one before.
class LocalZone : public ScopedVariable
{
public:
    explicit LocalZone(const char* zone) : ScopedVariable("TZ", zone, tzset) {}
};
