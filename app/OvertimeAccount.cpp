#include "app/OvertimeAccount.h"

#include "app/ClockValue.h"
#include "model/SaturatedDuration.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"

#include <string>

namespace
{

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

void OvertimeAccount::ChargeDaysUntil(int32_t moment)
{
    int64_t charged = balance;
    for (int32_t day = DayOf(lastTimeUpdated) + 1; day <= DayOf(moment); ++day)
        charged = SaturatedDuration(charged - targets[WeekdayOf(day)]);
    balance = SaturatedDuration(charged);
}

void OvertimeAccount::Load(toolbox::ConfigSection& root, int32_t now)
{
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");
    balance = workingTime.GetInt("Actual", 0);
    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday] = workingTime.GetInt(TargetKey(weekday).c_str(), 0);
    lastTimeUpdated = root.GetSection("Application").GetInt("LastTimeUpdated", now);
}

void OvertimeAccount::Save(toolbox::ConfigSection& root) const
{
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");
    workingTime.GetParameter("Actual").SetInt(balance);
    for (int weekday = 0; weekday < 7; ++weekday)
        workingTime.GetParameter(TargetKey(weekday).c_str()).SetInt(targets[weekday]);
    root.GetSection("Application").GetParameter("LastTimeUpdated").SetInt(lastTimeUpdated);
}
