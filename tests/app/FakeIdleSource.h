#pragma once

#include "app/clock/IdleSource.h"

// A desktop idle for as long as the test says; nothing means the desktop cannot tell.
class FakeIdleSource : public IdleSource
{
public:
    std::optional<int64_t> IdleSeconds() const override { return idle; }
    std::optional<int64_t> idle = 0;
};
