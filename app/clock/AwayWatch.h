#pragma once

#include <cstdint>
#include <optional>

class Todo;

// One reading of the three clocks: the wall clock as a clock value, the awake counter and the
// boot counter in seconds.
struct ClockReading
{
    int32_t wall = 0;
    int64_t monotonic = 0;
    int64_t boot = 0;
};

// Time the user was away while a todo ran, waiting for the user's answer: from and to as clock
// values, the seconds it holds, and the todo that was running.
struct AwayGap
{
    int32_t from = 0;
    int32_t to = 0;
    int64_t seconds = 0;
    Todo* todo = nullptr;
};

// Tells the time worked apart from the time away between two clock updates. The awake counter
// gives the time worked; a sleep of the machine, a desktop left idle for the threshold, or an
// update that came far too late (the program was not scheduled) is away time, kept for the
// user's answer; a changed wall clock is neither.
class AwayWatch
{
public:
    // While no todo runs: the readings move on, nothing is booked or kept.
    void Paused(const ClockReading& now);
    // The seconds to book on the running todo since the last reading; negative when idle time
    // booked earlier goes into the away time. A threshold of 0 books all the time that passed,
    // sleep included. The idle seconds are nothing when the desktop cannot tell.
    int64_t Running(const ClockReading& now, Todo& todo, int64_t thresholdSeconds,
                    std::optional<int64_t> idleSeconds);

    const std::optional<AwayGap>& Pending() const { return pending; }
    // Away time waits for an answer and the user is back at the desktop to give it.
    bool IsQuestionDue() const { return pending.has_value() && !userIdle; }
    std::optional<AwayGap> TakePending();
    // The books were loaded anew: the waiting time belongs to the todo that took the place of
    // its own (nullptr when that is gone).
    void RetargetPending(Todo* todo)
    {
        if (pending)
            pending->todo = todo;
    }

private:
    // Adds to the away time; a second stretch before an answer widens the first.
    void Keep(int64_t from, int64_t to, int64_t seconds, Todo& todo);
    // The seconds of the update that are idle, or nothing while the user is not idle.
    int64_t IdlePart(const ClockReading& now, int64_t awake, int64_t thresholdSeconds,
                     std::optional<int64_t> idleSeconds, Todo& todo);

    ClockReading last;
    // The awake counter when the todo started running: idle time is not taken back beyond it.
    int64_t runningSince = 0;
    bool running = false;
    // The last update found the desktop idle for the threshold.
    bool userIdle = false;
    std::optional<AwayGap> pending;
};
