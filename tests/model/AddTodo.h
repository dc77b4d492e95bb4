#pragma once

#include "model/Project.h"

#include <memory>
#include <string>

// Appends a todo with this name, time and priority to the project's list.
inline Todo& AddTodo(Project& project, const std::string& name, int32_t time = 0,
                     int32_t priority = 2)
{
    auto todo = std::make_unique<Todo>(&project);
    todo->SetName(name);
    todo->SetTime(time);
    todo->SetPriority(priority);
    project.GetTodos().Append(std::move(todo));
    return *project.GetTodos().Last();
}
