#include "app/clock/OvertimeAccount.h"

#include "app/clock/ClockValue.h"
#include "model/SaturatedDuration.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"

#include <algorithm>
#include <limits>
#include <string>

namespace
{

// The last update that was saved with the last charged day.

void CheckWeekday(int weekday)
{
    if (weekday < 0 || weekday > 6)
        throw toolbox::EIllegalArgument("The weekday must be 0 to 6", "Tallydene::Target",
                                        __LINE__);
}

std::string TargetKey(int weekday)
{
    return "Target" + std::to_string(weekday);
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
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");
    balance = workingTime.GetInt("Actual", 0);
    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday] = workingTime.GetInt(TargetKey(weekday).c_str(), 0);
    lastTimeUpdated = root.GetSection("Application").GetInt("LastTimeUpdated", now);
    lastChargedDay = DayInRange(workingTime.GetInt("LastChargedDay", DayOf(lastTimeUpdated)));
    leftUnchargedAfter = DayInRange(workingTime.GetInt("LeftUnchargedAfter", 0));
    // A program that keeps no last charged day moved the last update on, and charged the days
    // up to the last update's day as it went.
    if (workingTime.GetInt(kChargedAtUpdate, lastTimeUpdated) != lastTimeUpdated)
    {
        lastChargedDay = std::max(lastChargedDay, DayInRange(DayOf(lastTimeUpdated)));
        leftUnchargedAfter = 0;
    }
}

void OvertimeAccount::Save(toolbox::ConfigSection& root) const
{
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");
    workingTime.GetParameter("Actual").SetInt(balance);
    for (int weekday = 0; weekday < 7; ++weekday)
        workingTime.GetParameter(TargetKey(weekday).c_str()).SetInt(targets[weekday]);
    workingTime.GetParameter("LastChargedDay").SetInt(lastChargedDay);
    workingTime.GetParameter("LeftUnchargedAfter").SetInt(leftUnchargedAfter);
    workingTime.GetParameter(kChargedAtUpdate).SetInt(lastTimeUpdated);
    root.GetSection("Application").GetParameter("LastTimeUpdated").SetInt(lastTimeUpdated);
}
