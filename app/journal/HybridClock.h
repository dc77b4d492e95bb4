#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A hybrid logical clock: wall milliseconds with a counter for entries made within the same
// millisecond or while the wall clock stands behind the last stamp. Its stamps never go back,
// also when the wall clock does, and stamps of several machines order their entries in one
// way that all agree on. A stamp is written "milliseconds.counter".
class HybridClock
{
public:
    struct Stamp
    {
        int64_t milliseconds = 0;
        int32_t counter = 0;

        std::string Text() const;
        static std::optional<Stamp> Parse(const std::string& text);
        auto operator<=>(const Stamp& other) const = default;
    };

    // The stamp of a new entry made at the wall time given.
    Stamp Next(int64_t wallMilliseconds);
    // A stamp seen in the journal: later stamps come after it.
    void Observe(const Stamp& stamp);

private:
    Stamp last;
};
