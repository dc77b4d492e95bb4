#include "app/journal/HybridClock.h"

#include <charconv>

std::string HybridClock::Stamp::Text() const
{
    return std::to_string(milliseconds) + '.' + std::to_string(counter);
}

std::optional<HybridClock::Stamp> HybridClock::Stamp::Parse(const std::string& text)
{
    const size_t dot = text.find('.');
    if (dot == std::string::npos)
        return std::nullopt;
    Stamp stamp;
    const char* end = text.data() + text.size();
    const auto [millisecondsEnd, millisecondsError] =
        std::from_chars(text.data(), text.data() + dot, stamp.milliseconds);
    const auto [counterEnd, counterError] =
        std::from_chars(text.data() + dot + 1, end, stamp.counter);
    if (dot == 0 || millisecondsError != std::errc() || millisecondsEnd != text.data() + dot ||
        counterError != std::errc() || counterEnd != end || stamp.milliseconds < 0 ||
        stamp.counter < 0)
        return std::nullopt;
    return stamp;
}

HybridClock::Stamp HybridClock::Next(int64_t wallMilliseconds)
{
    if (wallMilliseconds > last.milliseconds)
        last = {wallMilliseconds, 0};
    else
        ++last.counter;
    return last;
}

void HybridClock::Observe(const Stamp& stamp)
{
    last = std::max(last, stamp);
}
