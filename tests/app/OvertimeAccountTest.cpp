#include "app/clock/OvertimeAccount.h"
#include "app/clock/ClockValue.h"
#include "tests/app/FakeUtcClock.h"
#include "toolbox/ConfigSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace
{

int32_t At(int year, int month, int day, int hour = 0)
{
    return ClockValueOf(UtcMoment(year, month, day, hour));
}

// Monday 8 hours down to Sunday 2 hours, so each charged day shows by its amount.
OvertimeAccount WeekOfTargets()
{
    OvertimeAccount account;
    for (int weekday = 0; weekday < 7; ++weekday)
        account.SetTarget(weekday, (8 - weekday) * 3600);
    return account;
}

} // namespace

TEST(OvertimeAccount, ChargesEachDayAfterTheLastChargedDayOnce)
{
    struct Case
    {
        int32_t from, to;
        int64_t charged;
        int workingDays;
    };
    // 7 December 2026 is a Monday.
    const Case cases[] = {
        {At(2026, 12, 7, 8), At(2026, 12, 7, 23), 0, 0},
        {At(2026, 12, 7, 23), At(2026, 12, 8, 0), 7 * 3600, 1},
        {At(2026, 12, 9, 12), At(2026, 12, 13, 1), (5 + 4 + 3 + 2) * 3600, 4},
        {At(2026, 12, 6, 12), At(2026, 12, 14, 1), (8 + 7 + 6 + 5 + 4 + 3 + 2 + 8) * 3600, 8},
        // A clock set back charges nothing and gives nothing back.
        {At(2026, 12, 10, 1), At(2026, 12, 8, 1), 0, 0},
    };
    for (const Case& c : cases)
    {
        OvertimeAccount account = WeekOfTargets();
        account.SetBalance(3600);
        account.SkipDaysUntil(DayOf(c.from));
        EXPECT_EQ(c.workingDays, account.WorkingDaysUntil(DayOf(c.to)));
        account.ChargeDaysUntil(DayOf(c.to));
        EXPECT_EQ(3600 - c.charged, account.GetBalance()) << c.from << " to " << c.to;
        // Charged once: the same day again, or the clock back where it was, charges nothing.
        account.ChargeDaysUntil(DayOf(c.to));
        account.ChargeDaysUntil(DayOf(c.from));
        EXPECT_EQ(3600 - c.charged, account.GetBalance());
        EXPECT_EQ(std::max(DayOf(c.from), DayOf(c.to)), account.GetLastChargedDay());
    }
    // A day without a target is no working day.
    OvertimeAccount weekdays = WeekOfTargets();
    weekdays.SetTarget(5, 0);
    weekdays.SkipDaysUntil(DayOf(At(2026, 12, 6)));
    EXPECT_EQ(6, weekdays.WorkingDaysUntil(DayOf(At(2026, 12, 13))));
}

TEST(OvertimeAccount, CreditAndChargesStayWithinTheRangeAndSurviveTheirKeys)
{
    constexpr int32_t maximum = std::numeric_limits<int32_t>::max();
    constexpr int32_t minimum = std::numeric_limits<int32_t>::min();
    OvertimeAccount account = WeekOfTargets();
    account.SetBalance(maximum - 5);
    account.Credit(60);
    EXPECT_EQ(maximum, account.GetBalance());
    account.Credit(-static_cast<int64_t>(maximum) * 4);
    EXPECT_EQ(minimum, account.GetBalance());
    account.SetLastTimeUpdated(At(2026, 12, 6));
    account.SkipDaysUntil(DayOf(At(2026, 12, 6)));
    account.ChargeDaysUntil(DayOf(At(2026, 12, 9)));
    EXPECT_EQ(minimum, account.GetBalance());

    account.SetBalance(-1800);
    toolbox::ConfigSection root("");
    account.Save(root);
    OvertimeAccount loaded;
    loaded.Load(root, At(2030, 1, 1));
    EXPECT_EQ(-1800, loaded.GetBalance());
    EXPECT_EQ(At(2026, 12, 6), loaded.GetLastTimeUpdated());
    EXPECT_EQ(DayOf(At(2026, 12, 9)), loaded.GetLastChargedDay());
    // A file from before the last charged day was kept: the day of the last update.
    root.GetSection("WorkingTime").RemoveParameter("LastChargedDay");
    loaded.Load(root, At(2030, 1, 1));
    EXPECT_EQ(DayOf(At(2026, 12, 6)), loaded.GetLastChargedDay());
    // One out of the clock's range is taken as its first day, so charging ends.
    root.GetSection("WorkingTime").GetParameter("LastChargedDay").SetInt(minimum);
    loaded.Load(root, At(2030, 1, 1));
    EXPECT_EQ(DayOf(minimum), loaded.GetLastChargedDay());
    for (int weekday = 0; weekday < 7; ++weekday)
        EXPECT_EQ((8 - weekday) * 3600, loaded.GetTarget(weekday)) << weekday;
}

// Another program that keeps no last charged day ran on the file and moved the last update on:
// it charged the days up to the last update's, which are not charged again.
TEST(OvertimeAccount, ALastUpdateMovedOnElsewhereCountsItsDaysAsCharged)
{
    OvertimeAccount account = WeekOfTargets();
    account.SetLastTimeUpdated(At(2026, 12, 7, 18)); // Monday
    account.SkipDaysUntil(DayOf(At(2026, 12, 7)));
    toolbox::ConfigSection root("");
    account.Save(root);
    const struct
    {
        int32_t lastUpdate;
        int32_t chargedUntilThursday; // hours
    } cases[] = {
        {At(2026, 12, 7, 18), 7 + 6 + 5},
        {At(2026, 12, 9, 9), 5},
        // Moved back: the days charged here stay charged.
        {At(2026, 12, 6, 9), 7 + 6 + 5},
    };
    for (const auto& each : cases)
    {
        root.GetSection("Application").GetParameter("LastTimeUpdated").SetInt(each.lastUpdate);
        OvertimeAccount loaded;
        loaded.Load(root, At(2026, 12, 11));
        loaded.ChargeDaysUntil(DayOf(At(2026, 12, 10)));
        EXPECT_EQ(-each.chargedUntilThursday * 3600, loaded.GetBalance()) << each.lastUpdate;
    }
}
