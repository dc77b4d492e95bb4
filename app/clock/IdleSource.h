#pragma once

#include <cstdint>
#include <optional>

// How long the desktop has been left alone: the time since the user last touched the keyboard
// or the mouse. The running program asks the display; tests set the answer.
class IdleSource
{
public:
    virtual ~IdleSource() = default;
    // Seconds without input, or nothing when the desktop cannot tell.
    virtual std::optional<int64_t> IdleSeconds() const = 0;
};
