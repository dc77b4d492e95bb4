#include "app/Options.h"

#include "toolbox/ConfigSection.h"

#include <algorithm>

void Options::Load(toolbox::ConfigSection& section)
{
    autoSaveEnabled = section.GetBool("AutoSaveEnabled", true);
    trayIcon = section.GetBool("TrayIcon", true);
    loggingEnabled = section.GetBool("LoggingEnabled", false);
    workingTimeEnabled = section.GetBool("WorkingTimeEnabled", true);
    daysLocal = section.GetBool("DaysAtLocalMidnight", false);
    // A value edited by hand out of range is taken as the nearest one the dialog offers.
    awayThresholdMinutes =
        std::clamp(section.GetInt("AskAboutAwayAfter", 15), 0, kMaxAwayThresholdMinutes);
    calendar.perDay = section.GetBool("CalendarPerDay", false);
    SetCalendarPublishing(section.GetBool("CalendarPublish", false),
                          section.GetString("CalendarAddress", ""),
                          section.GetString("CalendarUser", ""));
}

void Options::Save(toolbox::ConfigSection& section) const
{
    section.GetParameter("AutoSaveEnabled").SetBool(autoSaveEnabled);
    section.GetParameter("TrayIcon").SetBool(trayIcon);
    section.GetParameter("LoggingEnabled").SetBool(loggingEnabled);
    section.GetParameter("WorkingTimeEnabled").SetBool(workingTimeEnabled);
    section.GetParameter("DaysAtLocalMidnight").SetBool(daysLocal);
    section.GetParameter("AskAboutAwayAfter").SetInt(awayThresholdMinutes);
    section.GetParameter("CalendarPerDay").SetBool(calendar.perDay);
    section.GetParameter("CalendarPublish").SetBool(calendar.publish);
    section.GetParameter("CalendarAddress")
        .SetString(calendar.address.c_str(), calendar.address.size());
    section.GetParameter("CalendarUser").SetString(calendar.user.c_str(), calendar.user.size());
}
