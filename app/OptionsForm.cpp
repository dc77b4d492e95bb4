#include "app/OptionsForm.h"

#include "app/Tallydene.h"

#include <algorithm>

namespace
{

constexpr int FIRST_FORMAT_BUTTON = 1;
constexpr int LAST_FORMAT_BUTTON = 3;
constexpr int FIRST_ROUND_BUTTON = 0;
constexpr int LAST_ROUND_BUTTON = 4;
// The format buttons show 4 h 45 min as each format writes it.
constexpr int32_t kSampleSeconds = 17100;

int ButtonOf(int value, int first, int last)
{
    return value >= first && value <= last ? value : OptionsForm::NONE;
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
    timeFormat = ButtonOf(durations.TimeFormat(), FIRST_FORMAT_BUTTON, LAST_FORMAT_BUTTON);
    timeRound = ButtonOf(durations.TimeRound(), FIRST_ROUND_BUTTON, LAST_ROUND_BUTTON);
    for (int format = FIRST_FORMAT_BUTTON; format <= LAST_FORMAT_BUTTON; ++format)
        formatLabels[format - FIRST_FORMAT_BUTTON] =
            durations.FormatDuration(kSampleSeconds, 0, false, format);
}

FormResult OptionsForm::Confirm(Prompts& /*prompts*/)
{
    Options& options = app.GetOptions();
    options.SetWorkingTimeEnabled(workingTimeEnabled);
    options.SetLoggingEnabled(loggingEnabled);
    options.SetAutoSaveEnabled(autoSaveEnabled);
    options.SetTrayIconEnabled(trayIcon);
    options.SetDaysLocal(daysLocal);
    options.SetAwayThresholdMinutes(
        std::clamp(awayThresholdMinutes, 0, Options::kMaxAwayThresholdMinutes));
    if (ButtonOf(timeFormat, FIRST_FORMAT_BUTTON, LAST_FORMAT_BUTTON) != NONE)
        app.GetDurations().SetTimeFormat(timeFormat);
    if (ButtonOf(timeRound, FIRST_ROUND_BUTTON, LAST_ROUND_BUTTON) != NONE)
        app.GetDurations().SetTimeRound(timeRound);
    return FormResult::Accept();
}
