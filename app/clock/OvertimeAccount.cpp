#include "app/clock/OvertimeAccount.h"

#include "app/Options.h"
#include "app/clock/ClockValue.h"
#include "model/SaturatedDuration.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"

#include <algorithm>
#include <limits>
#include <string>

namespace
{

void CheckWeekday(int weekday)
{
    if (weekday < 0 || weekday > 6)
        throw toolbox::EIllegalArgument("The weekday must be 0 to 6", "Tallydene::Target",
                                        __LINE__);
}

// A day the clock can reach: a day number edited far out of it would make the charging walk
// billions of days.
int32_t DayInRange(int32_t day)
{
    return std::clamp(day, DayOf(std::numeric_limits<int32_t>::min()),
                      DayOf(std::numeric_limits<int32_t>::max()));
}

} // namespace

int32_t OvertimeAccount::GetTarget(int weekday) const
{
    CheckWeekday(weekday);
    return targets[weekday];
}

void OvertimeAccount::SetTarget(int weekday, int32_t seconds)
{
    CheckWeekday(weekday);
    targets[weekday] = seconds;
}

void OvertimeAccount::Credit(int64_t seconds)
{
    balance = SaturatedDuration(balance + seconds);
}

void OvertimeAccount::ChargeDaysUntil(int32_t today)
{
    int64_t charged = balance;
    for (int32_t day = lastChargedDay; day < today; ++day)
        charged = SaturatedDuration(charged - targets[WeekdayOf(day + 1)]);
    balance = SaturatedDuration(charged);
    SkipDaysUntil(today);
}

void OvertimeAccount::SkipDaysUntil(int32_t today)
{
    if (today > lastChargedDay)
        leftUnchargedAfter = 0;
    lastChargedDay = std::max(lastChargedDay, today);
}

void OvertimeAccount::LeaveDaysUncharged(int32_t today)
{
    const int32_t charged = lastChargedDay;
    SkipDaysUntil(today);
    if (lastChargedDay > charged)
        leftUnchargedAfter = charged;
}

void OvertimeAccount::ClockWasAhead(int32_t today)
{
    if (leftUnchargedAfter != 0 && today < lastChargedDay)
        lastChargedDay = leftUnchargedAfter;
    leftUnchargedAfter = 0;
}

int OvertimeAccount::WorkingDaysUntil(int32_t today) const
{
    int days = 0;
    for (int32_t day = lastChargedDay; day < today; ++day)
        if (targets[WeekdayOf(day + 1)] != 0)
            ++days;
    return days;
}

void OvertimeAccount::Load(toolbox::ConfigSection& root, int32_t now)
{
    balance = settings::kOvertime.Read(root);
    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday] = settings::kTargets[weekday].Read(root);
    lastTimeUpdated = settings::kLastTimeUpdated.ReadOr(root, now);
    lastChargedDay = DayInRange(settings::kLastChargedDay.ReadOr(root, DayOf(lastTimeUpdated)));
    leftUnchargedAfter = DayInRange(settings::kLeftUnchargedAfter.Read(root));
    // A program that keeps no last charged day moved the last update on, and charged the days
    // up to the last update's day as it went.
    if (settings::kChargedAtUpdate.ReadOr(root, lastTimeUpdated) != lastTimeUpdated)
    {
        lastChargedDay = std::max(lastChargedDay, DayInRange(DayOf(lastTimeUpdated)));
        leftUnchargedAfter = 0;
    }
}

void OvertimeAccount::Save(toolbox::ConfigSection& root) const
{
    settings::kOvertime.Write(root, balance);
    for (int weekday = 0; weekday < 7; ++weekday)
        settings::kTargets[weekday].Write(root, targets[weekday]);
    settings::kLastChargedDay.Write(root, lastChargedDay);
    settings::kLeftUnchargedAfter.Write(root, leftUnchargedAfter);
    settings::kChargedAtUpdate.Write(root, lastTimeUpdated);
    settings::kLastTimeUpdated.Write(root, lastTimeUpdated);
}
