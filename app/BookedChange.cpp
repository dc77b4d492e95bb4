#include "app/BookedChange.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"

BookedChange::BookedChange(Tallydene& app, const Todo* todo)
    : app(app), todo(todo), balance(app.GetOvertimeAccount().GetBalance())
{
    if (todo == nullptr)
        return;
    todoTime = todo->GetTime();
    projectTime = todo->GetProject()->GetTotalTime();
}

void BookedChange::Record(const char* kind, const std::string& note) const
{
    app.GetJournal().Record(Entry(kind, note), app.Now());
}

JournalEntry BookedChange::Entry(const char* kind, const std::string& note) const
{
    JournalEntry entry;
    entry.kind = kind;
    entry.balanceSeconds = app.GetOvertimeAccount().GetBalance() - balance;
    entry.note = note;
    if (todo != nullptr)
    {
        entry.todoSeconds = todo->GetTime() - todoTime;
        entry.projectSeconds = todo->GetProject()->GetTotalTime() - projectTime;
        entry.project = todo->GetProject()->GetName();
        entry.todo = todo->GetName();
        entry.todoId = todo->GetId();
        entry.projectId = todo->GetProject()->GetId();
    }
    return entry;
}
