#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class Options;
class OvertimeAccount;
class Prompts;
class SessionJournal;

// The calendar side of the clock update: each day's target is charged once, and a clock set
// wrongly cannot wreck the balance. A long gap is charged only after the user agrees, and a
// clock that reads earlier than the last update is asked about before the update moves back.
// Without prompts (no window, or at the end) nothing is asked and nothing doubtful is done.
class DayCharging
{
public:
    // A week away (a long weekend, a few days off) is charged as it comes; a longer gap is as
    // likely a clock set weeks or years wrong, or a holiday the user wants no targets for.
    static constexpr int32_t kLongGap = 7;
    // A clock corrected by a few minutes is no fault worth a question; the last update stays
    // until the clock is past it again.
    static constexpr int32_t kClockSlack = 5 * 60;

    // An event-log line: the message and its detail.
    using Log = std::function<void(const std::string& message, const std::string& detail)>;

    // It reads the options' midnight, journals the days it leaves uncharged and logs what the
    // user decided. None is owned.
    DayCharging(const Options& options, SessionJournal& journal, Log log)
        : options(options), journal(journal), log(std::move(log))
    {
    }

    // The number of the day the moment falls on, by the midnight the user chose.
    static int32_t DayOf(const Options& options, int32_t moment);

    // While a question is open, an update that comes in meanwhile must do nothing.
    bool IsAsking() const { return asking; }

    // The clock reads earlier than the last update. True when the update may go on from the
    // clock's time: the user said the clock is right now, and the last update is moved back to
    // it. Otherwise the last update stays, and no day is charged until the clock passes it.
    // The work itself is measured apart from the wall clock and is booked either way.
    bool AcceptClockBehind(OvertimeAccount& account, Prompts* prompts, int32_t moment);
    // Charges the targets of the days after the last charged one up to the moment's day.
    void ChargeDays(OvertimeAccount& account, Prompts* prompts, int32_t moment);

private:
    bool Ask(Prompts& prompts, const std::string& question);

    const Options& options;
    SessionJournal& journal;
    Log log;

    bool asking = false;
    // The last update the user kept ahead of the clock; not asked about again in this run.
    std::optional<int32_t> keptLastUpdate;
};
