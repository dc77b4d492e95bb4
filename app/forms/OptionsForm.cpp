#include "app/forms/OptionsForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "toolbox/Translation.h"
#ifdef TALLYDENE_CALENDARS
#include "app/calendar/CalendarPassword.h"
#endif

#include <algorithm>

namespace
{

constexpr int kFirstFormatButton = 1;
constexpr int kLastFormatButton = 3;
constexpr int kFirstRoundButton = 0;
constexpr int kLastRoundButton = 4;
// The format buttons show 4 h 45 min as each format writes it.
constexpr int32_t kSampleSeconds = 17100;

int ButtonOf(int value, int first, int last)
{
    return value >= first && value <= last ? value : OptionsForm::kNone;
}

} // namespace

OptionsForm::OptionsForm(Tallydene& app) : app(app) {}

void OptionsForm::Open()
{
    const Options& options = app.GetOptions();
    const Durations& durations = app.GetDurations();
    workingTimeEnabled = options.IsWorkingTimeEnabled();
    loggingEnabled = options.IsLoggingEnabled();
    autoSaveEnabled = options.IsAutoSaveEnabled();
    trayIcon = options.IsTrayIconEnabled();
    daysLocal = options.AreDaysLocal();
    awayThresholdMinutes = options.GetAwayThresholdMinutes();
    calendarPublish = options.IsCalendarPublished();
    calendarAddress = options.GetCalendarAddress();
    calendarUser = options.GetCalendarUser();
    calendarPerDay = options.IsCalendarPerDay();
#ifdef TALLYDENE_CALENDARS
    calendarPassword = calendarAddress.empty()
                           ? ""
                           : CalendarPassword::Lookup(app.GetDataFolder().ToString(false).str(),
                                                      calendarAddress, calendarUser);
#endif
    timeFormat = ButtonOf(durations.TimeFormat(), kFirstFormatButton, kLastFormatButton);
    timeRound = ButtonOf(durations.TimeRound(), kFirstRoundButton, kLastRoundButton);
    for (int format = kFirstFormatButton; format <= kLastFormatButton; ++format)
        formatLabels[format - kFirstFormatButton] =
            durations.FormatDuration(kSampleSeconds, 0, false, format);
}

FormResult OptionsForm::Confirm(Prompts& prompts)
{
    const bool webAddress =
        calendarAddress.rfind("https://", 0) == 0 || calendarAddress.rfind("http://", 0) == 0;
    if (calendarPublish && !webAddress)
    {
        prompts.Refuse(toolbox::Translation::Tr(
            "Please enter the calendar's address, starting with https://."));
        return FormResult::Refuse(FormField::CalendarAddress);
    }
    Options& options = app.GetOptions();
    const bool publishingChanged = calendarPublish != options.IsCalendarPublished() ||
                                   calendarAddress != options.GetCalendarAddress() ||
                                   calendarUser != options.GetCalendarUser();
#ifdef TALLYDENE_CALENDARS
    if (calendarPublish &&
        (publishingChanged ||
         calendarPassword != CalendarPassword::Lookup(app.GetDataFolder().ToString(false).str(),
                                                      calendarAddress, calendarUser)))
    {
        if (!CalendarPassword::Store(app.GetDataFolder().ToString(false).str(), calendarAddress,
                                     calendarUser, calendarPassword))
            prompts.Refuse(toolbox::Translation::Tr(
                "The calendar's password could not be kept; publishing will be refused."));
        options.SetCalendarPublishing(calendarPublish, calendarAddress, calendarUser);
    }
#endif
    if (publishingChanged)
        options.SetCalendarPublishing(calendarPublish, calendarAddress, calendarUser);
    options.SetCalendarPerDay(calendarPerDay);
    options.SetWorkingTimeEnabled(workingTimeEnabled);
    options.SetLoggingEnabled(loggingEnabled);
    options.SetAutoSaveEnabled(autoSaveEnabled);
    options.SetTrayIconEnabled(trayIcon);
    options.SetDaysLocal(daysLocal);
    options.SetAwayThresholdMinutes(
        std::clamp(awayThresholdMinutes, 0, Options::kMaxAwayThresholdMinutes));
    if (ButtonOf(timeFormat, kFirstFormatButton, kLastFormatButton) != kNone)
        app.GetDurations().SetTimeFormat(timeFormat);
    if (ButtonOf(timeRound, kFirstRoundButton, kLastRoundButton) != kNone)
        app.GetDurations().SetTimeRound(timeRound);
    return FormResult::Accept();
}
