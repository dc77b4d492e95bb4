#pragma once

#include <array>
#include <cstdint>

namespace toolbox
{
class ConfigSection;
}

// The working-time account: the overtime balance, a target of working hours for each weekday,
// the moment of the last clock update, from which the time since is booked, and the last day
// whose target was charged, so that no day is charged twice whatever the clock did. Days are
// numbered as the clock numbers them; the caller says which day it is now.
class OvertimeAccount
{
public:
    // The setters store the value and nothing else; the caller updates the display.
    int32_t GetBalance() const { return balance; }
    void SetBalance(int32_t seconds) { balance = seconds; }
    // Weekday 0 is Monday, 6 Sunday; any other index raises EIllegalArgument.
    int32_t GetTarget(int weekday) const;
    void SetTarget(int weekday, int32_t seconds);
    int32_t GetLastTimeUpdated() const { return lastTimeUpdated; }

    // Adds worked time of either sign to the balance, kept within a duration's range.
    void Credit(int64_t seconds);
    // Charges the target of each day after the last charged day, up to and including today;
    // a today before the last charged day charges nothing.
    void ChargeDaysUntil(int32_t today);
    // Takes the days up to today as charged without charging them.
    void SkipDaysUntil(int32_t today);
    // As SkipDaysUntil, the user's choice for a long gap: remembered, so that when the gap
    // turns out to be a clock that was ahead, its days are charged as they really come.
    void LeaveDaysUncharged(int32_t today);
    // The clock is right now and was ahead at the last update. Days left uncharged while it was
    // ahead are due again, as they really come; days charged then stay charged, never twice.
    void ClockWasAhead(int32_t today);
    // The days after the last charged day up to today that have a target.
    int WorkingDaysUntil(int32_t today) const;
    int32_t GetLastChargedDay() const { return lastChargedDay; }
    int32_t GetLeftUnchargedAfter() const { return leftUnchargedAfter; }
    // The days as a journal entry recorded them.
    void SetChargedDays(int32_t lastCharged, int32_t leftUncharged)
    {
        lastChargedDay = lastCharged;
        leftUnchargedAfter = leftUncharged;
    }
    void SetLastTimeUpdated(int32_t moment) { lastTimeUpdated = moment; }

    // From and into the sections "WorkingTime" and "Application" below the root; a missing key
    // is created with its default. With no last update stored, now is the last update, so a
    // first start charges no day; with no last charged day stored, it is the UTC day of the
    // last update, as files from before it was kept were charged. A last update that is no
    // longer the one saved with the last charged day was moved on by a program that does not
    // keep that day, and the days up to the last update's day count as charged.
    void Load(toolbox::ConfigSection& root, int32_t now);
    void Save(toolbox::ConfigSection& root) const;

private:
    int32_t balance = 0;
    std::array<int32_t, 7> targets{};
    int32_t lastTimeUpdated = 0;
    int32_t lastChargedDay = 0;
    // The last charged day before the user left the days up to the last charged day
    // uncharged, none charged since; 0 when the last days were charged.
    int32_t leftUnchargedAfter = 0;
};
