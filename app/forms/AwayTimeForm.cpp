#include "app/forms/AwayTimeForm.h"

#include "app/Tallydene.h"
#include "app/clock/LocalDates.h"
#include "app/forms/Dialogs.h"
#include "app/journal/SessionJournal.h"
#include "app/ledger/Ledger.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

#include <algorithm>

namespace
{

// Local times; with the date when the away time spans days.
std::pair<std::string, std::string> LocalTimes(const AwayGap& away)
{
    const int64_t from = SessionJournal::UnixTimeOf(away.from);
    const int64_t to = SessionJournal::UnixTimeOf(away.to);
    const char* format = LocalDates::Text(from, "%Y-%m-%d") == LocalDates::Text(to, "%Y-%m-%d")
                             ? "%H:%M"
                             : "%Y-%m-%d %H:%M";
    return {LocalDates::Text(from, format), LocalDates::Text(to, format)};
}

} // namespace

AwayTimeForm::AwayTimeForm(Tallydene& app) : app(app) {}

bool AwayTimeForm::Ask(Tallydene& app, Dialogs& dialogs)
{
    if (!app.IsAwayQuestionDue())
        return true;
    AwayTimeForm form(app);
    // Ticks go on while the question is open; they must not open it a second time.
    app.SetAskingAboutAway(true);
    const bool answered = dialogs.Show(form);
    app.SetAskingAboutAway(false);
    if (answered)
        app.FinishCommand();
    return answered;
}

void AwayTimeForm::Open()
{
    answer = Answer::Keep;
    const std::optional<AwayGap> away = app.GetAwayTime();
    if (!away)
        return;
    const auto [from, to] = LocalTimes(*away);
    const std::string todo = away->todo != nullptr
                                 ? away->todo->GetName()
                                 : toolbox::Translation::Tr("a todo deleted since");
    question = toolbox::Translation::TrFormat(
        "You were away from %s to %s (%s) while %s was running.",
        {from, to, app.FormatDuration(static_cast<int32_t>(away->seconds), 0), todo});
}

FormResult AwayTimeForm::Confirm(Prompts& /*prompts*/)
{
    // The time since the last update first, so that any away time in it joins this answer.
    app.GetLedger().BookClock();
    const std::optional<AwayGap> away = app.TakeAwayTime();
    if (!away)
        return FormResult::Accept();
    if (answer == Answer::Keep && away->todo != nullptr)
    {
        // A todo no longer running takes the time as a change of its own in the journal.
        app.GetLedger().Book(*away->todo, away->seconds, "away");
        app.LogEvent("Booked away time", std::to_string(away->seconds));
    }
    else
        Discard(*away);
    app.MarkChanged();
    app.GetLedger().BookClock();
    return FormResult::Accept();
}

void AwayTimeForm::Discard(const AwayGap& away)
{
    app.LogEvent("Discarded away time", std::to_string(away.seconds));
    // The journal's session ends where the user left; running on, a new one starts on return.
    Todo* running = app.GetActiveTodo();
    if (running != nullptr && running == away.todo)
        app.GetJournal().SplitRunningSession(away.from, away.to,
                                             app.GetOvertimeAccount().GetLastTimeUpdated(),
                                             answer == Answer::DiscardAndPause);
    if (answer == Answer::DiscardAndPause && running != nullptr)
    {
        app.Pause();
        app.LogEvent("Paused");
    }
}
