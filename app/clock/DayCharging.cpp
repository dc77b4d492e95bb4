#include "app/clock/DayCharging.h"

#include "app/Options.h"
#include "app/Prompts.h"
#include "app/clock/ClockValue.h"
#include "app/clock/OvertimeAccount.h"
#include "app/journal/JournalEntry.h"
#include "app/journal/SessionJournal.h"
#include "toolbox/SystemTime.h"
#include "toolbox/Translation.h"

#include <ctime>

using toolbox::Translation;

namespace
{

constexpr const char* kMonthNames[12] = {
    toolbox::TrLater("January"), toolbox::TrLater("February"), toolbox::TrLater("March"),
    toolbox::TrLater("April"),   toolbox::TrLater("May"),      toolbox::TrLater("June"),
    toolbox::TrLater("July"),    toolbox::TrLater("August"),   toolbox::TrLater("September"),
    toolbox::TrLater("October"), toolbox::TrLater("November"), toolbox::TrLater("December")};

// "27 November", or "27 November 2025" with the year, in the user's language.
std::string DateText(const std::tm& date, bool withYear)
{
    const std::string day = std::to_string(date.tm_mday);
    const std::string month = Translation::Tr(kMonthNames[date.tm_mon]);
    if (!withYear)
        return Translation::TrFormat("%s %s", {day, month});
    return Translation::TrFormat("%s %s %s", {day, month, std::to_string(1900 + date.tm_year)});
}

// A moment as the user reads it: the local date with its year and the time to the minute.
std::string LocalMomentText(int32_t moment)
{
    const std::time_t time = UnixTimeOf(moment);
    std::tm local = toolbox::LocalFieldsOf(time);
    char clock[8];
    std::strftime(clock, sizeof clock, "%H:%M", &local);
    return Translation::TrFormat("%s, %s", {DateText(local, true), clock});
}

// The event log's form of a UTC date or time, which stays English.
std::string LogText(const std::tm& utc, const char* format)
{
    char text[32];
    std::strftime(text, sizeof text, format, &utc);
    return text;
}

std::tm UtcTimeOf(int32_t moment)
{
    const std::time_t time = UnixTimeOf(moment);
    std::tm utc = toolbox::UtcFieldsOf(time);
    return utc;
}

std::string GapQuestion(int workingDays, int32_t lastCharged, int32_t today)
{
    const std::tm since = DateOfDay(lastCharged);
    const std::string sinceText = DateText(since, since.tm_year != DateOfDay(today).tm_year);
    if (workingDays == 1)
        return Translation::TrFormat("Charge the target of the working day since %s?", {sinceText});
    return Translation::TrFormat("Charge the targets of the %s working days since %s?",
                                 {std::to_string(workingDays), sinceText});
}

} // namespace

int32_t DayCharging::DayOf(const Options& options, int32_t moment)
{
    return options.AreDaysLocal() ? LocalDayOf(moment) : ::DayOf(moment);
}

bool DayCharging::AcceptClockBehind(OvertimeAccount& account, Prompts* prompts, int32_t moment)
{
    const int32_t lastUpdate = account.GetLastTimeUpdated();
    if (prompts == nullptr || keptLastUpdate == lastUpdate ||
        static_cast<int64_t>(lastUpdate) - moment <= kClockSlack)
        return false;
    const std::string logged = LogText(UtcTimeOf(lastUpdate), "%Y-%m-%d %H:%M:%S");
    if (!Ask(*prompts,
             Translation::TrFormat(
                 "The clock shows %s, earlier than the last update at %s. Is the clock right?\n\n"
                 "Yes goes on from now; days already charged are not charged again. No keeps "
                 "the last update and charges no day until the clock has passed it.",
                 {LocalMomentText(moment), LocalMomentText(lastUpdate)})))
    {
        keptLastUpdate = lastUpdate;
        log("Kept the last update ahead of the clock", logged);
        return false;
    }
    account.SetLastTimeUpdated(moment);
    account.ClockWasAhead(DayOf(options, moment));
    log("Moved the last update back to the clock from", logged);
    return true;
}

void DayCharging::ChargeDays(OvertimeAccount& account, Prompts* prompts, int32_t moment)
{
    const int32_t today = DayOf(options, moment);
    const int32_t lastCharged = account.GetLastChargedDay();
    const int workingDays = account.WorkingDaysUntil(today);
    if (today - static_cast<int64_t>(lastCharged) <= kLongGap || workingDays == 0)
    {
        account.ChargeDaysUntil(today);
        return;
    }
    // Left for a later update that can ask.
    if (prompts == nullptr)
        return;
    const std::string logged = std::to_string(workingDays) + " working days since " +
                               LogText(DateOfDay(lastCharged), "%Y-%m-%d");
    if (Ask(*prompts, GapQuestion(workingDays, lastCharged, today)))
    {
        account.ChargeDaysUntil(today);
        log("Charged the targets of a long gap", logged);
    }
    else
    {
        account.LeaveDaysUncharged(today);
        // The report shows these days as uncharged rather than charging them back.
        const std::string dates = LogText(DateOfDay(lastCharged + 1), "%Y-%m-%d") + ' ' +
                                  LogText(DateOfDay(today), "%Y-%m-%d");
        journal.Record({JournalKind::uncharged, 0, 0, 0, 0, 0, "", "", dates}, moment);
        log("Left the targets of a long gap uncharged", logged);
    }
}

bool DayCharging::Ask(Prompts& prompts, const std::string& question)
{
    asking = true;
    const bool yes = prompts.Ask(question, Prompts::QuestionIcon::Question);
    asking = false;
    return yes;
}
