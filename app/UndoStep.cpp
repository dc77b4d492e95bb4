#include "app/UndoStep.h"

#include <utility>

UndoStep::UndoStep(const char* commandName, std::string logLine, DataState before, DataState after)
    : commandName(commandName), logLine(std::move(logLine)), before(std::move(before)),
      after(std::move(after)), toAfter(ItemLinks::Between(this->after, this->before)),
      toBefore(ItemLinks::Between(this->before, this->after)), subject(FindSubject())
{
    this->before.ForgetItems();
    this->after.ForgetItems();
}

// Counts the todos and projects that came, went or changed, keeping the last name of each kind.
std::string UndoStep::FindSubject() const
{
    int todos = 0;
    int projects = 0;
    std::string todoName;
    std::string projectName;
    const auto touched = [](int& count, std::string& name, const std::string& itemName)
    {
        ++count;
        name = itemName;
    };
    for (size_t p = 0; p < after.projects.size(); ++p)
    {
        const DataState::ProjectCopy& project = after.projects[p];
        const int from = toBefore.projects[p];
        if (from < 0 || !(before.projects[from] == project))
            touched(projects, projectName, project.name);
        for (size_t t = 0; t < project.todos.size(); ++t)
        {
            const ItemLinks::Place place = toBefore.todos[p][t];
            if (place.project < 0 || place.project != from ||
                !(before.projects[place.project].todos[place.todo] == project.todos[t]))
                touched(todos, todoName, project.todos[t].name);
        }
    }
    for (size_t p = 0; p < before.projects.size(); ++p)
    {
        if (toAfter.projects[p] < 0)
            touched(projects, projectName, before.projects[p].name);
        for (size_t t = 0; t < before.projects[p].todos.size(); ++t)
            if (toAfter.todos[p][t].project < 0)
                touched(todos, todoName, before.projects[p].todos[t].name);
    }
    if (todos == 1)
        return todoName;
    return projects == 1 ? projectName : std::string();
}
