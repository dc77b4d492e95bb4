#include "app/StateChange.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/SaturatedDuration.h"
#include "model/Todo.h"

#include <algorithm>

namespace
{

template <typename T> int IndexIn(const std::vector<T*>& items, const T* item)
{
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

} // namespace

StateChange::StateChange(Tallydene& app, const DataState& source, const DataState& target,
                         const ItemLinks& links)
    : app(app), source(source), target(target), links(links)
{
}

StateChange::~StateChange() = default;

StateChange::Outcome StateChange::Apply(const char* kind, const std::string& note)
{
    if (!FindLiveItems())
        return Outcome::DataDiffers;
    if (RemovesRunningTodo())
        return Outcome::RunningTodoWouldGo;
    JournalRenames();
    TakeItemsOut();
    projectMoved.assign(target.projects.size(), 0);
    todoMoved.resize(target.projects.size());
    for (size_t p = 0; p < target.projects.size(); ++p)
        app.GetProjects().Append(MakeProject(static_cast<int>(p)));
    OvertimeAccount& account = app.GetOvertimeAccount();
    const int64_t balance = account.GetBalance();
    account.SetBalance(SaturatedDuration(target.balance + balance - source.balance));
    balanceMoved = account.GetBalance() - balance;
    for (int weekday = 0; weekday < 7; ++weekday)
        account.SetTarget(weekday, target.targets[weekday]);
    FindShown();
    JournalTimes(kind, note);
    return Outcome::Done;
}

// The data stands as in the source copy when every name is found there once and the counts
// agree; only the times may differ.
bool StateChange::FindLiveItems()
{
    const auto& projects = app.GetProjects();
    if (projects.Count() != static_cast<int>(source.projects.size()))
        return false;
    liveProjects.assign(source.projects.size(), nullptr);
    liveTodos.assign(source.projects.size(), {});
    for (Project* project : projects)
    {
        const int p = source.FindProject(project->GetName());
        if (p < 0 || liveProjects[p] != nullptr)
            return false;
        liveProjects[p] = project;
        const DataState::ProjectCopy& copy = source.projects[p];
        if (project->GetTodos().Count() != static_cast<int>(copy.todos.size()))
            return false;
        liveTodos[p].assign(copy.todos.size(), nullptr);
        for (Todo* todo : project->GetTodos())
        {
            const int t = copy.FindTodo(todo->GetName());
            if (t < 0 || liveTodos[p][t] != nullptr)
                return false;
            liveTodos[p][t] = todo;
        }
    }
    return true;
}

bool StateChange::RemovesRunningTodo() const
{
    const Todo* active = app.GetActiveTodo();
    if (active == nullptr)
        return false;
    const int p = IndexIn(liveProjects, static_cast<const Project*>(active->GetProject()));
    const int t = IndexIn(liveTodos[p], active);
    for (const std::vector<ItemLinks::Place>& todos : links.todos)
        for (const ItemLinks::Place& place : todos)
            if (place.project == p && place.todo == t)
                return false;
    return true;
}

void StateChange::TakeItemsOut()
{
    auto& projects = app.GetProjects();
    projectPool.resize(source.projects.size());
    todoPool.resize(source.projects.size());
    while (Project* project = projects.Last())
    {
        const int p = IndexIn(liveProjects, static_cast<const Project*>(project));
        todoPool[p].resize(liveTodos[p].size());
        while (Todo* todo = project->GetTodos().Last())
            todoPool[p][IndexIn(liveTodos[p], static_cast<const Todo*>(todo))] =
                project->GetTodos().RemoveLast();
        projectPool[p] = projects.RemoveLast();
    }
}

std::unique_ptr<Project> StateChange::MakeProject(int index)
{
    const DataState::ProjectCopy& copy = target.projects[index];
    const int from = links.projects[index];
    std::unique_ptr<Project> project =
        from >= 0 ? std::move(projectPool[from]) : std::make_unique<Project>();
    if (from < 0)
        project->SetExpanded(copy.expanded);
    project->SetId(copy.id);
    project->SetName(copy.name);
    project->SetComment(copy.comment);
    todoMoved[index].assign(copy.todos.size(), 0);
    for (size_t t = 0; t < copy.todos.size(); ++t)
        project->GetTodos().Append(MakeTodo(index, static_cast<int>(t), *project));
    const int64_t live = from >= 0 ? project->GetTotalTime() : 0;
    const int64_t booked = from >= 0 ? live - source.projects[from].totalTime : 0;
    project->SetTotalTime(SaturatedDuration(copy.totalTime + booked));
    if (from >= 0)
        projectMoved[index] = project->GetTotalTime() - live;
    return project;
}

std::unique_ptr<Todo> StateChange::MakeTodo(int projectIndex, int todoIndex, Project& owner)
{
    const DataState::TodoCopy& copy = target.projects[projectIndex].todos[todoIndex];
    const ItemLinks::Place from = links.todos[projectIndex][todoIndex];
    const bool kept = from.project >= 0;
    std::unique_ptr<Todo> todo =
        kept ? std::move(todoPool[from.project][from.todo]) : std::make_unique<Todo>(&owner);
    if (!kept)
        todo->SetExpanded(copy.expanded);
    todo->SetProject(&owner);
    todo->SetId(copy.id);
    todo->SetName(copy.name);
    todo->SetComment(copy.comment);
    todo->SetPriority(copy.priority);
    const int64_t live = kept ? todo->GetTime() : 0;
    const int64_t booked = kept ? live - source.projects[from.project].todos[from.todo].time : 0;
    todo->SetTime(SaturatedDuration(copy.time + booked));
    if (kept)
        todoMoved[projectIndex][todoIndex] = todo->GetTime() - live;
    return todo;
}

// The first todo that is new, moved or changed; else the first project that is new or changed,
// which is where a removed todo was.
void StateChange::FindShown()
{
    const auto& projects = app.GetProjects();
    for (size_t p = 0; p < target.projects.size() && shown == nullptr; ++p)
        for (size_t t = 0; t < target.projects[p].todos.size() && shown == nullptr; ++t)
        {
            const ItemLinks::Place from = links.todos[p][t];
            if (from.project < 0 || from.project != links.projects[p] ||
                !(source.projects[from.project].todos[from.todo] == target.projects[p].todos[t]))
                shown = projects.Get(static_cast<int>(p))->GetTodos().Get(static_cast<int>(t));
        }
    for (size_t p = 0; p < target.projects.size() && shown == nullptr; ++p)
    {
        const int from = links.projects[p];
        if (from < 0 || !(source.projects[from] == target.projects[p]))
            shown = projects.Get(static_cast<int>(p));
    }
}

// Renames and moves go first, so that the history follows each todo to its names of now.
void StateChange::JournalRenames() const
{
    SessionJournal& journal = app.GetJournal();
    const int32_t now = app.Now();
    std::vector<int> targetOf(source.projects.size(), -1);
    for (size_t p = 0; p < links.projects.size(); ++p)
    {
        const int from = links.projects[p];
        if (from < 0)
            continue;
        targetOf[from] = static_cast<int>(p);
        if (source.projects[from].name != target.projects[p].name)
            journal.Record({JournalKind::rename, 0, 0, 0, 0, 0, source.projects[from].name, "",
                            target.projects[p].name},
                           now);
    }
    for (size_t p = 0; p < links.todos.size(); ++p)
        for (size_t t = 0; t < links.todos[p].size(); ++t)
        {
            const ItemLinks::Place from = links.todos[p][t];
            if (from.project < 0)
                continue;
            const int owner = targetOf[from.project];
            const std::string& projectNow =
                owner >= 0 ? target.projects[owner].name : source.projects[from.project].name;
            const std::string& was = source.projects[from.project].todos[from.todo].name;
            const std::string& name = target.projects[p].todos[t].name;
            if (was != name)
                journal.Record({JournalKind::rename, 0, 0, 0, 0, 0, projectNow, was, name}, now);
            if (owner != static_cast<int>(p))
                journal.Record(
                    {JournalKind::move, 0, 0, 0, 0, 0, projectNow, name, target.projects[p].name},
                    now);
        }
}

// What the change moved on each item that was kept, as the commands journal their changes;
// items removed or made anew were not journalled by the commands either.
void StateChange::JournalTimes(const char* kind, const std::string& note) const
{
    SessionJournal& journal = app.GetJournal();
    const int32_t now = app.Now();
    for (size_t p = 0; p < target.projects.size(); ++p)
    {
        const DataState::ProjectCopy& project = target.projects[p];
        bool projectTold = false;
        for (size_t t = 0; t < project.todos.size(); ++t)
        {
            if (todoMoved[p][t] == 0)
                continue;
            journal.Record({kind, 0, 0, todoMoved[p][t], projectTold ? 0 : projectMoved[p], 0,
                            project.name, project.todos[t].name, note},
                           now);
            projectTold = true;
        }
        if (!projectTold && projectMoved[p] != 0)
            journal.Record({kind, 0, 0, 0, projectMoved[p], 0, project.name, "", note}, now);
    }
    if (balanceMoved != 0)
        journal.Record({kind, 0, 0, 0, 0, balanceMoved, "", "", note}, now);
}
