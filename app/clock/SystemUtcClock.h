#pragma once

#include "app/clock/UtcClock.h"

// The operating system's clocks.
class SystemUtcClock : public UtcClock
{
public:
    std::tm NowUtc() const override;
    int64_t MonotonicSeconds() const override;
    int64_t BootSeconds() const override;
};
