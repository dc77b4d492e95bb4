#include "app/Options.h"

#include "toolbox/ConfigSection.h"

void Options::Load(toolbox::ConfigSection& section)
{
    autoSaveEnabled = section.GetBool("AutoSaveEnabled", true);
    trayIcon = section.GetBool("TrayIcon", true);
    loggingEnabled = section.GetBool("LoggingEnabled", false);
    workingTimeEnabled = section.GetBool("WorkingTimeEnabled", true);
    daysLocal = section.GetBool("DaysAtLocalMidnight", false);
}

void Options::Save(toolbox::ConfigSection& section) const
{
    section.GetParameter("AutoSaveEnabled").SetBool(autoSaveEnabled);
    section.GetParameter("TrayIcon").SetBool(trayIcon);
    section.GetParameter("LoggingEnabled").SetBool(loggingEnabled);
    section.GetParameter("WorkingTimeEnabled").SetBool(workingTimeEnabled);
    section.GetParameter("DaysAtLocalMidnight").SetBool(daysLocal);
}
