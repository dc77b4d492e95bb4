#include "app/HistoryForm.h"

#include "app/BookedChange.h"
#include "app/LocalDates.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/SaturatedDuration.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <limits>
#include <set>

namespace
{

bool Refused(Prompts& prompts, const std::string& message)
{
    prompts.Refuse(message);
    return false;
}

bool Overlap(const Session& a, const Session& b)
{
    return a.start < b.end && b.start < a.end;
}

} // namespace

void HistoryForm::Open()
{
    sessions =
        SessionsOf(app.GetJournal().GetFile().ReadPlausible(SessionJournal::UnixTimeOf(app.Now())));
    project.clear();
    todo.clear();
    from.clear();
    to.clear();
    Fill(std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max());
}

bool HistoryForm::ApplyFilter(Prompts& prompts)
{
    int64_t first = std::numeric_limits<int64_t>::min();
    int64_t last = std::numeric_limits<int64_t>::max();
    for (auto [text, bound, daysLater] : {std::tuple{&from, &first, 0}, {&to, &last, 1}})
    {
        if (text->empty())
            continue;
        const std::optional<int64_t> moment = LocalDates::StartOfDate(*text, daysLater);
        if (!moment)
        {
            prompts.Refuse(toolbox::Translation::Tr("Please enter the date as YYYY-MM-DD."));
            return false;
        }
        *bound = *moment;
    }
    Fill(first, last);
    return true;
}

void HistoryForm::Fill(int64_t first, int64_t last)
{
    rows.clear();
    std::string shownDay;
    // Newest first: the sessions are sorted oldest first.
    for (size_t index = sessions.size(); index-- > 0;)
    {
        const Session& session = sessions[index];
        if (session.start < first || session.start >= last ||
            (!project.empty() && session.project != project) ||
            (!todo.empty() && session.todo != todo))
            continue;
        const std::string day = LocalDates::Text(session.start, "%Y-%m-%d");
        if (day != shownDay)
            rows.push_back({true, index});
        shownDay = day;
        rows.push_back({false, index});
    }
}

std::string HistoryForm::Cell(const Row& row, int column) const
{
    const Session& session = sessions[row.session];
    if (row.day)
        return column == 0 ? LocalDates::Text(session.start,
                                              toolbox::Translation::Tr("%A, %d %B %Y").c_str())
                           : "";
    switch (column)
    {
    case 0:
        return LocalDates::Text(session.start, "%H:%M") + " - " +
               LocalDates::Text(session.end, "%H:%M");
    case 1:
        return app.FormatDuration(SaturatedDuration(session.booked), 0);
    case 2:
        return session.project;
    default:
        return session.todo;
    }
}

std::vector<std::string> HistoryForm::ProjectNames() const
{
    std::set<std::string> names;
    for (const Session& session : sessions)
        names.insert(session.project);
    return {names.begin(), names.end()};
}

std::string HistoryForm::MomentText(int64_t moment)
{
    return LocalDates::Text(moment, "%Y-%m-%d %H:%M");
}

Todo* HistoryForm::TodoOf(const Session& session) const
{
    for (Project* each : app.GetProjects())
        if (each->GetName() == session.project)
            for (Todo* candidate : each->GetTodos())
                if (candidate->GetName() == session.todo)
                    return candidate;
    return nullptr;
}

bool HistoryForm::EditSession(size_t index, const std::string& start, const std::string& end,
                              Prompts& prompts)
{
    const std::optional<int64_t> newStart = LocalDates::Moment(start);
    const std::optional<int64_t> newEnd = LocalDates::Moment(end);
    if (!newStart || !newEnd)
        return Refused(prompts,
                       toolbox::Translation::Tr("Please enter start and end as YYYY-MM-DD HH:MM."));
    if (*newEnd <= *newStart)
        return Refused(prompts, toolbox::Translation::Tr("The end must be after the start."));
    if (*newEnd > SessionJournal::UnixTimeOf(app.Now()))
        return Refused(prompts, toolbox::Translation::Tr("The end must not lie in the future."));
    Session after = sessions[index];
    after.start = *newStart;
    after.end = *newEnd;
    for (size_t other = 0; other < sessions.size(); ++other)
        if (other != index && Overlap(after, sessions[other]))
            return Refused(prompts,
                           toolbox::Translation::Tr("The session would overlap another one."));
    Todo* changed = TodoOf(after);
    if (changed == nullptr)
        return Refused(prompts,
                       toolbox::Translation::Tr("The todo of this session no longer exists."));
    after.booked += (after.end - after.start) - (sessions[index].end - sessions[index].start);
    Apply(*changed, sessions[index], after, JournalKind::edit);
    app.LogEvent("Changed a session", changed->GetName());
    sessions[index] = after;
    return ApplyFilter(prompts);
}

bool HistoryForm::DeleteSession(size_t index, Prompts& prompts)
{
    Todo* changed = TodoOf(sessions[index]);
    if (changed == nullptr)
        return Refused(prompts,
                       toolbox::Translation::Tr("The todo of this session no longer exists."));
    if (!prompts.AskBeforeDestroying(
            toolbox::Translation::Tr("Sure to delete this session and its time?")))
        return false;
    Session after = sessions[index];
    after.booked = 0;
    Apply(*changed, sessions[index], after, JournalKind::erase);
    app.LogEvent("Deleted a session", changed->GetName());
    sessions.erase(sessions.begin() + static_cast<std::ptrdiff_t>(index));
    return ApplyFilter(prompts);
}

void HistoryForm::Apply(Todo& changed, const Session& before, const Session& after,
                        const char* kind)
{
    app.BringUpToDate();
    const int64_t difference = after.booked - before.booked;
    const BookedChange booked(app, &changed);
    changed.AddTime(difference);
    Project& owner = *changed.GetProject();
    owner.AddTime(difference);
    if (app.GetOptions().IsWorkingTimeEnabled())
        app.GetOvertimeAccount().Credit(difference);
    booked.RecordSession(kind, after.start, after.end, std::to_string(before.start));
    changed.Refresh(app);
    owner.Refresh(app);
    app.BringUpToDate();
    app.FinishCommand();
}
