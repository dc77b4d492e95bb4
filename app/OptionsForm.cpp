#include "app/OptionsForm.h"

#include "app/Tallydene.h"

namespace
{

constexpr int FIRST_FORMAT_BUTTON = 1;
constexpr int LAST_FORMAT_BUTTON = 3;
constexpr int FIRST_ROUND_BUTTON = 0;
constexpr int LAST_ROUND_BUTTON = 4;
// The format buttons show 4 h 45 min as each format writes it.
constexpr int32_t SAMPLE = 17100;

int ButtonOf(int value, int first, int last)
{
    return value >= first && value <= last ? value : OptionsForm::NONE;
}

} // namespace

OptionsForm::OptionsForm(Tallydene& app) : app(app) {}

void OptionsForm::Open()
{
    workingTimeEnabled = app.IsWorkingTimeEnabled();
    loggingEnabled = app.IsLoggingEnabled();
    autoSaveEnabled = app.IsAutoSaveEnabled();
    trayIcon = app.IsTrayIconEnabled();
    timeFormat = ButtonOf(app.GetTimeFormat(), FIRST_FORMAT_BUTTON, LAST_FORMAT_BUTTON);
    timeRound = ButtonOf(app.GetTimeRound(), FIRST_ROUND_BUTTON, LAST_ROUND_BUTTON);
    for (int format = FIRST_FORMAT_BUTTON; format <= LAST_FORMAT_BUTTON; ++format)
        formatLabels[format - FIRST_FORMAT_BUTTON] = app.FormatDuration(SAMPLE, 0, false, format);
}

FormResult OptionsForm::Confirm(Prompts& /*prompts*/)
{
    app.SetWorkingTimeEnabled(workingTimeEnabled);
    app.SetLoggingEnabled(loggingEnabled);
    app.SetAutoSaveEnabled(autoSaveEnabled);
    app.SetTrayIconEnabled(trayIcon);
    if (ButtonOf(timeFormat, FIRST_FORMAT_BUTTON, LAST_FORMAT_BUTTON) != NONE)
        app.SetTimeFormat(timeFormat);
    if (ButtonOf(timeRound, FIRST_ROUND_BUTTON, LAST_ROUND_BUTTON) != NONE)
        app.SetTimeRound(timeRound);
    return FormResult::Accept();
}
