#include "app/clock/AwayWatch.h"

#include <algorithm>
#include <limits>

namespace
{

// The timer ticks each minute; an update later than the threshold and one tick more means
// the program was not scheduled in between.
constexpr int64_t kLateTickAllowance = 60;

int32_t ClockValue(int64_t moment)
{
    return static_cast<int32_t>(std::clamp<int64_t>(moment, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

void AwayWatch::Paused(const ClockReading& now)
{
    last = now;
    running = false;
    userIdle = false;
}

int64_t AwayWatch::Running(const ClockReading& now, Todo& todo, int64_t thresholdSeconds,
                           std::optional<int64_t> idleSeconds)
{
    if (!running)
        runningSince = last.monotonic;
    running = true;
    const int64_t awake = std::max<int64_t>(0, now.monotonic - last.monotonic);
    const int64_t slept = std::max<int64_t>(0, now.boot - last.boot - awake);
    last = now;
    if (thresholdSeconds <= 0)
    {
        userIdle = false;
        return awake + slept;
    }
    // The last update's moment on the wall clock as it reads now, however it was set since.
    const int64_t lastWall = static_cast<int64_t>(now.wall) - awake - slept;
    // A short sleep is dropped: the machine did no work, and it is too short to ask about.
    if (slept > thresholdSeconds)
        Keep(lastWall, lastWall + slept, slept, todo);
    if (awake > thresholdSeconds + kLateTickAllowance)
    {
        Keep(now.wall - awake, now.wall, awake, todo);
        userIdle = idleSeconds && *idleSeconds >= thresholdSeconds;
        return 0;
    }
    return awake - IdlePart(now, awake, thresholdSeconds, idleSeconds, todo);
}

int64_t AwayWatch::IdlePart(const ClockReading& now, int64_t awake, int64_t thresholdSeconds,
                            std::optional<int64_t> idleSeconds, Todo& todo)
{
    const bool idleNow = idleSeconds && *idleSeconds >= thresholdSeconds;
    int64_t part = 0;
    if (idleNow)
    {
        // The first update to find the desktop idle takes back the time booked since the last
        // input, but none from before the todo started.
        part = userIdle ? awake : std::min(*idleSeconds, now.monotonic - runningSince);
        Keep(now.wall - part, now.wall, part, todo);
    }
    else if (userIdle)
    {
        // Back since the last update: away until the first input.
        part = idleSeconds ? std::clamp<int64_t>(awake - *idleSeconds, 0, awake) : 0;
        Keep(now.wall - awake, now.wall - awake + part, part, todo);
    }
    userIdle = idleNow;
    return part;
}

void AwayWatch::Keep(int64_t from, int64_t to, int64_t seconds, Todo& todo)
{
    if (seconds <= 0)
        return;
    if (!pending)
        pending = AwayGap{ClockValue(from), ClockValue(to), 0, &todo};
    pending->from = std::min(pending->from, ClockValue(from));
    pending->to = std::max(pending->to, ClockValue(to));
    pending->seconds += seconds;
}

std::optional<AwayGap> AwayWatch::TakePending()
{
    std::optional<AwayGap> taken = std::move(pending);
    pending.reset();
    return taken;
}
