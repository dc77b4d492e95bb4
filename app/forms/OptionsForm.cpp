#include "app/forms/OptionsForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/ledger/Ledger.h"
#include "toolbox/Translation.h"
#ifdef TALLYDENE_CALENDARS
#include "app/calendar/CalendarPassword.h"
#endif

#include <algorithm>
#include <filesystem>

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
    shareBooks = app.GetSharing().IsOn();
    shareFolder = app.GetSharing().Folder();
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

FormResult OptionsForm::ConfirmSharing(Prompts& prompts)
{
    Sharing& sharing = app.GetSharing();
    if (!shareBooks)
    {
        sharing.End();
        return FormResult::Accept();
    }
    if (sharing.IsOn() && sharing.Folder() == shareFolder)
        return FormResult::Accept();
    using toolbox::Translation;
    std::error_code error;
    if (shareFolder.empty() || !std::filesystem::is_directory(shareFolder, error))
    {
        prompts.Refuse(Translation::Tr("Choose a folder that is there to share the books through."));
        return FormResult::Refuse(FormField::ShareFolder);
    }
    Sharing::Joining joining = Sharing::Joining::Merge;
    if (Sharing::HoldsBooks(shareFolder))
    {
        if (prompts.Ask(Translation::Tr("The folder holds books shared by another machine "
                                        "already.\n\nMerge your books into them? Projects and "
                                        "todos of the same name become one, their times added."),
                        Prompts::QuestionIcon::Question))
            joining = Sharing::Joining::Merge;
        else if (prompts.Ask(Translation::Tr("Use the shared books instead of yours? Yours are "
                                             "kept as a backup."),
                             Prompts::QuestionIcon::Question))
            joining = Sharing::Joining::UseShared;
        else
            return FormResult::Refuse(FormField::ShareFolder);
    }
    if (toolbox::FileResult begun = sharing.Begin(shareFolder, joining); !begun)
    {
        prompts.Refuse(Translation::TrFormat("Tallydene cannot share the books there:\n%s",
                                             {begun.Reason()}));
        return FormResult::Refuse(FormField::ShareFolder);
    }
    return FormResult::Accept();
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
    // Joining shared books takes their options: only a choice made here is set on them.
    const bool workingTimeChosen = workingTimeEnabled != app.GetOptions().IsWorkingTimeEnabled();
    const bool daysLocalChosen = daysLocal != app.GetOptions().AreDaysLocal();
    if (FormResult shared = ConfirmSharing(prompts); !shared.accepted)
        return shared;
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
    if (workingTimeChosen)
        app.GetLedger().SetWorkingTimeEnabled(workingTimeEnabled);
    options.SetLoggingEnabled(loggingEnabled);
    options.SetAutoSaveEnabled(autoSaveEnabled);
    options.SetTrayIconEnabled(trayIcon);
    if (daysLocalChosen)
        app.GetLedger().SetDaysLocal(daysLocal);
    options.SetAwayThresholdMinutes(
        std::clamp(awayThresholdMinutes, 0, Options::kMaxAwayThresholdMinutes));
    if (ButtonOf(timeFormat, kFirstFormatButton, kLastFormatButton) != kNone)
        app.GetDurations().SetTimeFormat(timeFormat);
    if (ButtonOf(timeRound, kFirstRoundButton, kLastRoundButton) != kNone)
        app.GetDurations().SetTimeRound(timeRound);
    return FormResult::Accept();
}
