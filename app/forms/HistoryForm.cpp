#include "app/forms/HistoryForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/clock/LocalDates.h"
#include "app/ledger/Ledger.h"
#include "app/ledger/UndoHistory.h"
#include "model/Project.h"
#include "model/SaturatedDuration.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <limits>
#include <set>

using toolbox::Translation;

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
    const int64_t now = SessionJournal::UnixTimeOf(app.Now());
    const std::vector<JournalEntry> entries =
        app.GetSharing().WithOtherMachines(app.GetJournal().GetFile().ReadPlausible(now), now);
    sessions = SessionsOf(entries, true);
    if (const std::optional<JournalEntry>& running = app.GetJournal().GetRunningSession())
    {
        Session session{running->start,       std::max(running->start, now),
                        running->todoSeconds, running->project,
                        running->todo,        ""};
        session.running = true;
        // Its id is that of its entry in the file, where the start was recorded.
        if (const std::optional<Session> recorded = RunningSessionOf(entries, now);
            recorded && recorded->start == session.start)
            session.id = recorded->id;
        sessions.push_back(std::move(session));
    }
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
            prompts.Refuse(Translation::Tr("Please enter the date as YYYY-MM-DD."));
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
    shownFirst = first;
    shownLast = last;
    std::string shownDay;
    size_t heading = 0;
    // Newest first: the sessions are sorted oldest first.
    for (size_t index = sessions.size(); index-- > 0;)
    {
        const Session& session = sessions[index];
        if (!Shows(session))
            continue;
        const std::string day = LocalDates::Text(session.start, "%Y-%m-%d");
        if (day != shownDay)
        {
            heading = rows.size();
            rows.push_back({true, index});
        }
        shownDay = day;
        rows[heading].total += session.booked;
        rows.push_back({false, index});
    }
}

std::string HistoryForm::Cell(const Row& row, int column) const
{
    const Session& session = sessions[row.session];
    if (row.day && column == 0)
        return LocalDates::Text(session.start, Translation::Tr("%A, %d %B %Y").c_str());
    if (row.day)
        return column == 1 ? app.FormatDuration(SaturatedDuration(row.total), 0) : "";
    const std::string from = LocalDates::Text(session.start, "%H:%M");
    switch (column)
    {
    case 0:
        if (session.kind == JournalKind::add)
            return from + ' ' + Translation::Tr("added by hand");
        if (session.kind == JournalKind::remove)
            return from + ' ' + Translation::Tr("removed by hand");
        return from + " - " +
               (session.running ? Translation::Tr("now") : LocalDates::Text(session.end, "%H:%M"));
    case 1:
        return app.FormatDuration(SaturatedDuration(session.booked), 0);
    case 2:
        return session.project;
    case 3:
        return session.todo;
    default:
        return session.machine;
    }
}

bool HistoryForm::ShowsMachines() const
{
    return app.GetSharing().IsOn();
}

SessionExport HistoryForm::ShownSessions() const
{
    SessionExport shown{{}, app.GetOptions().IsCalendarPerDay(), Now()};
    for (Session& session : SessionsBetween(app.GetSharing().WithOtherMachines(
                                                app.GetJournal().GetFile().ReadPlausible(shown.now),
                                                shown.now),
                                            shownFirst, shownLast, shown.now))
        if (Shows(session))
            shown.sessions.push_back(std::move(session));
    return shown;
}

bool HistoryForm::Shows(const Session& session) const
{
    return session.start >= shownFirst && session.start < shownLast &&
           (project.empty() || session.project == project) &&
           (todo.empty() || session.todo == todo);
}

std::vector<std::string> HistoryForm::ProjectNames() const
{
    std::set<std::string> names;
    for (const Session& session : sessions)
        names.insert(session.project);
    return {names.begin(), names.end()};
}

std::vector<HistoryForm::TodoChoice> HistoryForm::TodoChoices() const
{
    std::vector<TodoChoice> choices;
    for (const Project* each : app.GetProjects())
        for (const Todo* candidate : each->GetTodos())
            choices.push_back({candidate->GetId(), each->GetName(), candidate->GetName()});
    return choices;
}

std::string HistoryForm::TodoIdOf(size_t session) const
{
    const Todo* todo = TodoOf(sessions[session]);
    return todo != nullptr ? todo->GetId() : "";
}

int64_t HistoryForm::Now() const
{
    return SessionJournal::UnixTimeOf(app.Now());
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

Todo* HistoryForm::TodoWithId(const std::string& id) const
{
    for (Project* each : app.GetProjects())
        for (Todo* candidate : each->GetTodos())
            if (candidate->GetId() == id)
                return candidate;
    return nullptr;
}

std::optional<Session> HistoryForm::Checked(Session session, const std::string& start,
                                            const std::string& end, std::optional<size_t> other,
                                            Prompts& prompts) const
{
    const std::optional<int64_t> newStart = LocalDates::Moment(start);
    const std::optional<int64_t> newEnd = LocalDates::Moment(end);
    std::optional<std::string> refusal;
    if (!newStart || !newEnd)
        refusal = Translation::Tr("Please enter start and end as YYYY-MM-DD HH:MM.");
    else if (*newEnd <= *newStart)
        refusal = Translation::Tr("The end must be after the start.");
    else if (*newEnd > SessionJournal::UnixTimeOf(app.Now()))
        refusal = Translation::Tr("The end must not lie in the future.");
    else
    {
        session.start = *newStart;
        session.end = *newEnd;
        for (size_t index = 0; index < sessions.size(); ++index)
            if (index != other && sessions[index].kind == JournalKind::session &&
                Overlap(session, sessions[index]))
                refusal = Translation::Tr("The session would overlap another one.");
    }
    if (refusal)
    {
        prompts.Refuse(*refusal);
        return std::nullopt;
    }
    return session;
}

bool HistoryForm::EditSession(size_t index, const std::string& start, const std::string& end,
                              Prompts& prompts, const std::string& todoId)
{
    const Session before = sessions[index];
    if (before.kind != JournalKind::session || before.running)
        return Refused(prompts, Translation::Tr("Only ended sessions can be changed."));
    std::optional<Session> after = Checked(before, start, end, index, prompts);
    if (!after)
        return false;
    Todo* was = TodoOf(before);
    Todo* changed = todoId.empty() ? was : TodoWithId(todoId);
    if (was == nullptr || changed == nullptr)
        return Refused(prompts, Translation::Tr("The todo of this session no longer exists."));
    after->booked += (after->end - after->start) - (before.end - before.start);
    after->project = changed->GetProject()->GetName();
    after->todo = changed->GetName();
    app.GetUndoHistory().Record(app, toolbox::TrLater("Change session"),
                                [&]
                                {
                                    // Given another todo, the session leaves the one it was booked
                                    // on.
                                    if (changed != was)
                                    {
                                        Apply(*was, -before.booked, before, JournalKind::erase,
                                              std::to_string(before.start), &before);
                                        Apply(*changed, after->booked, *after, JournalKind::session,
                                              before.how);
                                    }
                                    else
                                        Apply(*changed, after->booked - before.booked, *after,
                                              JournalKind::edit, std::to_string(before.start),
                                              &before);
                                    app.LogEvent("Changed a session", changed->GetName());
                                });
    sessions[index] = *after;
    return ApplyFilter(prompts);
}

bool HistoryForm::DeleteSession(size_t index, Prompts& prompts)
{
    const Session& session = sessions[index];
    if (session.kind != JournalKind::session || session.running)
        return Refused(prompts, Translation::Tr("Only ended sessions can be changed."));
    Todo* changed = TodoOf(session);
    if (changed == nullptr)
        return Refused(prompts, Translation::Tr("The todo of this session no longer exists."));
    if (!prompts.AskBeforeDestroying(Translation::Tr("Sure to delete this session and its time?")))
        return false;
    app.GetUndoHistory().Record(app, toolbox::TrLater("Delete session"),
                                [&]
                                {
                                    Apply(*changed, -session.booked, session, JournalKind::erase,
                                          std::to_string(session.start), &session);
                                    app.LogEvent("Deleted a session", changed->GetName());
                                });
    sessions.erase(sessions.begin() + static_cast<std::ptrdiff_t>(index));
    return ApplyFilter(prompts);
}

bool HistoryForm::AddSession(const std::string& todoId, const std::string& start,
                             const std::string& end, Prompts& prompts)
{
    std::optional<Session> added = Checked({}, start, end, std::nullopt, prompts);
    if (!added)
        return false;
    Todo* todo = TodoWithId(todoId);
    if (todo == nullptr)
        return Refused(prompts, Translation::Tr("The todo of this session no longer exists."));
    added->booked = added->end - added->start;
    added->project = todo->GetProject()->GetName();
    added->todo = todo->GetName();
    added->how = "added";
    app.GetUndoHistory().Record(app, toolbox::TrLater("Add session"),
                                [&]
                                {
                                    Apply(*todo, added->booked, *added, JournalKind::session,
                                          added->how);
                                    app.LogEvent("Added a session", todo->GetName());
                                });
    sessions.push_back(*added);
    std::stable_sort(sessions.begin(), sessions.end(),
                     [](const Session& a, const Session& b) { return a.start < b.start; });
    return ApplyFilter(prompts);
}

void HistoryForm::Apply(Todo& changed, int64_t amount, const Session& session, const char* kind,
                        const std::string& note, const Session* before)
{
    const int64_t balance = app.GetOptions().IsWorkingTimeEnabled() ? amount : 0;
    app.GetLedger().Apply({Change::Session(kind, changed.GetId(), amount, balance, session.start,
                                           session.end, note, before ? before->start : 0,
                                           before ? before->end : 0)});
    app.FinishCommand();
}
