#pragma once

#include "app/UtcClock.h"

// The operating system's clock.
class SystemUtcClock : public UtcClock
{
public:
    std::tm NowUtc() const override;
};
