#include "app/backups/BackupSchedule.h"

#include "app/clock/ClockValue.h"
#include "toolbox/DailyBackups.h"
#include "toolbox/Logger.h"
#include "toolbox/SystemTime.h"

#include <cstdio>
#include <ctime>

std::string BackupSchedule::LocalDate(int32_t clockValue)
{
    return LocalStamp(clockValue).substr(0, 10);
}

std::string BackupSchedule::LocalStamp(int32_t clockValue)
{
    const std::time_t moment = UnixTimeOf(clockValue);
    std::tm local = toolbox::LocalFieldsOf(moment);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d-%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

bool BackupSchedule::IsDue(int32_t now) const
{
    return savedMoment && LocalDate(*savedMoment) < LocalDate(now);
}

void BackupSchedule::Keep(const std::string& dataFile, toolbox::FileSystem& files)
{
    const toolbox::FileResult kept =
        toolbox::DailyBackups(dataFile, files).Keep(LocalDate(*savedMoment));
    if (!kept)
        toolbox::Logger::Report("BackupSchedule::Keep", __LINE__, toolbox::Logger::kLevelError,
                                "The day's backup was not made: " + kept.Reason());
    // One try a day: the save that follows makes the file today's.
    savedMoment.reset();
}
