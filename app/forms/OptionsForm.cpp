#include "app/forms/OptionsForm.h"

#include "app/Tallydene.h"

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
    timeFormat = ButtonOf(durations.TimeFormat(), kFirstFormatButton, kLastFormatButton);
    timeRound = ButtonOf(durations.TimeRound(), kFirstRoundButton, kLastRoundButton);
    for (int format = kFirstFormatButton; format <= kLastFormatButton; ++format)
        formatLabels[format - kFirstFormatButton] =
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
    if (ButtonOf(timeFormat, kFirstFormatButton, kLastFormatButton) != kNone)
        app.GetDurations().SetTimeFormat(timeFormat);
    if (ButtonOf(timeRound, kFirstRoundButton, kLastRoundButton) != kNone)
        app.GetDurations().SetTimeRound(timeRound);
    return FormResult::Accept();
}
