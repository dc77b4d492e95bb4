#include "app/DataState.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"

#include <algorithm>

namespace
{

DataState::TodoCopy CopyOf(const Todo& todo)
{
    return {&todo,          todo.GetId(),     todo.GetName(), todo.GetComment(), todo.GetPriority(),
            todo.GetTime(), todo.IsExpanded()};
}

DataState::ProjectCopy CopyOf(const Project& project)
{
    DataState::ProjectCopy copy{&project,
                                project.GetId(),
                                project.GetName(),
                                project.GetComment(),
                                project.GetTotalTime(),
                                project.IsExpanded(),
                                {}};
    for (const Todo* todo : project.GetTodos())
        copy.todos.push_back(CopyOf(*todo));
    return copy;
}

int64_t BookedOn(const std::map<const TreeItem*, int64_t>& booked, const TreeItem* item)
{
    const auto found = booked.find(item);
    return found != booked.end() ? found->second : 0;
}

} // namespace

// The expanded flag follows the user's clicks in the tree, not the commands: it is kept in the
// copy for an item that comes back, but a change of it alone is no change of the data.
bool DataState::TodoCopy::operator==(const TodoCopy& other) const
{
    return name == other.name && comment == other.comment && priority == other.priority &&
           time == other.time;
}

bool DataState::ProjectCopy::operator==(const ProjectCopy& other) const
{
    return name == other.name && comment == other.comment && totalTime == other.totalTime &&
           todos == other.todos;
}

int DataState::ProjectCopy::FindTodo(const std::string& todoName) const
{
    const auto found = std::find_if(todos.begin(), todos.end(),
                                    [&](const TodoCopy& todo) { return todo.name == todoName; });
    return found != todos.end() ? static_cast<int>(found - todos.begin()) : -1;
}

DataState DataState::Of(const Tallydene& app)
{
    DataState state;
    for (const Project* project : app.GetProjects())
        state.projects.push_back(CopyOf(*project));
    const OvertimeAccount& account = app.GetOvertimeAccount();
    state.balance = account.GetBalance();
    for (int weekday = 0; weekday < 7; ++weekday)
        state.targets[weekday] = account.GetTarget(weekday);
    return state;
}

void DataState::LeaveOut(const std::map<const TreeItem*, int64_t>& booked, int64_t bookedBalance)
{
    for (ProjectCopy& project : projects)
    {
        project.totalTime -= BookedOn(booked, project.item);
        for (TodoCopy& todo : project.todos)
            todo.time -= BookedOn(booked, todo.item);
    }
    balance -= bookedBalance;
}

int DataState::FindProject(const std::string& projectName) const
{
    const auto found =
        std::find_if(projects.begin(), projects.end(),
                     [&](const ProjectCopy& project) { return project.name == projectName; });
    return found != projects.end() ? static_cast<int>(found - projects.begin()) : -1;
}

void DataState::ForgetItems()
{
    for (ProjectCopy& project : projects)
    {
        project.item = nullptr;
        for (TodoCopy& todo : project.todos)
            todo.item = nullptr;
    }
}
