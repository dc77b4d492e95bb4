#pragma once

#include <array>
#include <cstdint>

namespace toolbox
{
class ConfigSection;
}

// The working-time account: the overtime balance, a target of working hours for each weekday,
// and the moment of the last clock update, from which the time since is booked and each new
// day's target is charged. Days change at midnight UTC.
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
    // Charges the target of each day that began after the last update, up to the moment.
    void ChargeDaysUntil(int32_t moment);
    void SetLastTimeUpdated(int32_t moment) { lastTimeUpdated = moment; }

    // From and into the sections "WorkingTime" and "Application" below the root; a missing key
    // is created with its default. With no last update stored, now is the last update, so a
    // first start charges no day.
    void Load(toolbox::ConfigSection& root, int32_t now);
    void Save(toolbox::ConfigSection& root) const;

private:
    int32_t balance = 0;
    std::array<int32_t, 7> targets{};
    int32_t lastTimeUpdated = 0;
};
