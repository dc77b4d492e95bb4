#include "app/ledger/Change.h"

#include "app/journal/JournalEntry.h"

#include <utility>

Change Change::NewProject(ItemContent content)
{
    Change change;
    change.kind = Kind::NewProject;
    change.item = content.id;
    change.content = std::move(content);
    return change;
}

Change Change::DeleteProject(std::string id)
{
    Change change;
    change.kind = Kind::DeleteProject;
    change.item = std::move(id);
    return change;
}

Change Change::NewTodo(std::string project, ItemContent content)
{
    Change change;
    change.kind = Kind::NewTodo;
    change.item = content.id;
    change.project = std::move(project);
    change.content = std::move(content);
    return change;
}

Change Change::DeleteTodo(std::string id)
{
    Change change;
    change.kind = Kind::DeleteTodo;
    change.item = std::move(id);
    return change;
}

Change Change::Rename(std::string id, std::string name)
{
    Change change;
    change.kind = Kind::Rename;
    change.item = std::move(id);
    change.textAfter = std::move(name);
    return change;
}

Change Change::Comment(std::string id, std::string comment)
{
    Change change;
    change.kind = Kind::Comment;
    change.item = std::move(id);
    change.textAfter = std::move(comment);
    return change;
}

Change Change::Priority(std::string todo, int32_t priority)
{
    Change change;
    change.kind = Kind::Priority;
    change.item = std::move(todo);
    change.numberAfter = priority;
    return change;
}

Change Change::Move(std::string todo, std::string toProject)
{
    Change change;
    change.kind = Kind::Move;
    change.item = std::move(todo);
    change.toProject = std::move(toProject);
    return change;
}

Change Change::Time(const char* journalKind, std::string todo, std::string project,
                    int64_t todoSeconds, int64_t projectSeconds, int64_t balanceSeconds)
{
    Change change;
    change.kind = Kind::Time;
    change.journalKind = journalKind;
    change.item = std::move(todo);
    change.project = std::move(project);
    change.todoSeconds = todoSeconds;
    change.projectSeconds = projectSeconds;
    change.balanceSeconds = balanceSeconds;
    return change;
}

Change Change::Session(const char* journalKind, std::string todo, int64_t seconds,
                       int64_t balanceSeconds, int64_t start, int64_t end, std::string note,
                       int64_t startBefore, int64_t endBefore)
{
    Change change = Time(journalKind, std::move(todo), {}, seconds, seconds, balanceSeconds);
    change.sessionStart = start;
    change.sessionEnd = end;
    change.sessionStartBefore = startBefore;
    change.sessionEndBefore = endBefore;
    change.note = std::move(note);
    return change;
}

Change Change::BalanceSet(const char* journalKind, int32_t seconds)
{
    Change change = Time(journalKind, {}, {}, 0, 0, seconds);
    change.balanceSet = true;
    return change;
}

Change Change::Charged(int64_t balanceSeconds, int32_t lastChargedDay, int32_t leftUnchargedAfter)
{
    Change change;
    change.kind = Kind::Charged;
    change.balanceSeconds = balanceSeconds;
    change.daysAfter = {lastChargedDay, leftUnchargedAfter};
    return change;
}

Change Change::Targets(const std::array<int32_t, 7>& targets)
{
    Change change;
    change.kind = Kind::Targets;
    change.targetsAfter = targets;
    return change;
}

Change Change::Inverse() const
{
    Change inverse = *this;
    switch (kind)
    {
    case Kind::NewProject:
        inverse.kind = Kind::DeleteProject;
        break;
    case Kind::DeleteProject:
        inverse.kind = Kind::NewProject;
        break;
    case Kind::NewTodo:
        inverse.kind = Kind::DeleteTodo;
        break;
    case Kind::DeleteTodo:
        inverse.kind = Kind::NewTodo;
        break;
    case Kind::Rename:
    case Kind::Comment:
        std::swap(inverse.textBefore, inverse.textAfter);
        break;
    case Kind::Priority:
        std::swap(inverse.numberBefore, inverse.numberAfter);
        break;
    case Kind::Move:
        std::swap(inverse.project, inverse.toProject);
        break;
    case Kind::Time:
        inverse.todoSeconds = -todoSeconds;
        inverse.projectSeconds = -projectSeconds;
        inverse.balanceSeconds = -balanceSeconds;
        if (sessionStart != 0)
            inverse.InverseSession();
        break;
    case Kind::Targets:
        std::swap(inverse.targetsBefore, inverse.targetsAfter);
        break;
    case Kind::Charged:
        inverse.balanceSeconds = -balanceSeconds;
        std::swap(inverse.daysBefore, inverse.daysAfter);
        break;
    }
    return inverse;
}

// A session added is deleted, a deleted one comes back, an edit goes back to the times before.
void Change::InverseSession()
{
    const std::string kindNow = journalKind != nullptr ? journalKind : "";
    if (kindNow == JournalKind::session)
    {
        journalKind = JournalKind::erase;
        sessionStartBefore = sessionStart;
        sessionEndBefore = sessionEnd;
    }
    else if (kindNow == JournalKind::erase)
    {
        journalKind = JournalKind::session;
        sessionStartBefore = sessionEndBefore = 0;
    }
    else if (kindNow == JournalKind::edit)
    {
        std::swap(sessionStart, sessionStartBefore);
        std::swap(sessionEnd, sessionEndBefore);
    }
    note = sessionStartBefore != 0 ? std::to_string(sessionStartBefore) : std::string();
}

bool Change::IsOnTodo() const
{
    switch (kind)
    {
    case Kind::NewTodo:
    case Kind::DeleteTodo:
    case Kind::Priority:
    case Kind::Move:
        return true;
    case Kind::Time:
        return !item.empty();
    case Kind::Rename:
    case Kind::Comment:
        // A todo's rename or comment names its project.
        return !project.empty();
    default:
        return false;
    }
}
