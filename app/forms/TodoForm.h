#pragma once

#include "app/forms/FormResult.h"

#include <cstdint>
#include <string>

class Prompts;
class Tallydene;
class Todo;

// The todo properties dialog's form: name, priority and comment, and the todo's time shown
// but never changed. The todo may be a new one that knows its project but is not yet in its
// list. Names are unique among the todos of one project.
class TodoForm
{
public:
    TodoForm(Tallydene& app, Todo& todo) : app(app), todo(todo) {}
    TodoForm(const TodoForm&) = delete;
    TodoForm& operator=(const TodoForm&) = delete;

    void Open();
    // Checks the name and only then changes the todo; a refusal leaves it untouched.
    FormResult Confirm(Prompts& prompts);

    std::string name;
    // Read only.
    std::string time;
    // 0 (urgent) to 5 (completed); -1 while no button is selected, which keeps the todo's
    // priority as it is.
    int32_t priority = -1;
    std::string comment;

private:
    Tallydene& app;
    Todo& todo;
};
