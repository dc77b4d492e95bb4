#include "app/Options.h"

#include "app/Durations.h"
#include "toolbox/ConfigSection.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

template <class T> T Setting<T>::ReadOr(toolbox::ConfigSection& root, T runtimeDefault) const
{
    toolbox::ConfigSection& values = root.GetSection(section);
    if constexpr (std::is_same_v<T, bool>)
        return values.GetBool(key, runtimeDefault);
    else if constexpr (std::is_same_v<T, const char*>)
        return values.GetString(key, runtimeDefault);
    else
        return values.GetInt(key, runtimeDefault);
}

template <class T> void Setting<T>::Write(toolbox::ConfigSection& root, T value) const
{
    toolbox::ConfigParameter& parameter = root.GetSection(section).GetParameter(key);
    if constexpr (std::is_same_v<T, bool>)
        parameter.SetBool(value);
    else if constexpr (std::is_same_v<T, const char*>)
        parameter.SetString(value, std::strlen(value));
    else
        parameter.SetInt(value);
}

template <class T> bool Setting<T>::IsStored(toolbox::ConfigSection& root) const
{
    return root.GetSection(section).HasParameter(key);
}

template struct Setting<bool>;
template struct Setting<int32_t>;
template struct Setting<const char*>;

void Options::Load(toolbox::ConfigSection& root, Durations& durations)
{
    autoSaveEnabled = settings::kAutoSave.Read(root);
    trayIcon = settings::kTrayIcon.Read(root);
    loggingEnabled = settings::kLogging.Read(root);
    workingTimeEnabled = settings::kWorkingTime.Read(root);
    daysLocal = settings::kDaysLocal.Read(root);
    // A value edited by hand out of range is taken as the nearest one the dialog offers.
    awayThresholdMinutes =
        std::clamp(settings::kAwayThreshold.Read(root), 0, kMaxAwayThresholdMinutes);
    durations.SetTimeFormat(settings::kTimeFormat.Read(root));
    durations.SetTimeRound(settings::kTimeRound.Read(root));
    calendar.perDay = settings::kCalendarPerDay.Read(root);
    SetCalendarPublishing(settings::kCalendarPublish.Read(root),
                          settings::kCalendarAddress.Read(root),
                          settings::kCalendarUser.Read(root));
}

void Options::Save(toolbox::ConfigSection& root, const Durations& durations) const
{
    settings::kAutoSave.Write(root, autoSaveEnabled);
    settings::kTrayIcon.Write(root, trayIcon);
    settings::kLogging.Write(root, loggingEnabled);
    settings::kWorkingTime.Write(root, workingTimeEnabled);
    settings::kDaysLocal.Write(root, daysLocal);
    settings::kAwayThreshold.Write(root, awayThresholdMinutes);
    settings::kTimeFormat.Write(root, durations.TimeFormat());
    settings::kTimeRound.Write(root, durations.TimeRound());
    settings::kCalendarPerDay.Write(root, calendar.perDay);
    settings::kCalendarPublish.Write(root, calendar.publish);
    settings::kCalendarAddress.Write(root, calendar.address.c_str());
    settings::kCalendarUser.Write(root, calendar.user.c_str());
}
