#include "app/ItemLinks.h"

#include "app/DataState.h"

#include <map>

ItemLinks ItemLinks::Between(const DataState& source, const DataState& target)
{
    std::map<const void*, Place> places;
    for (int p = 0; p < static_cast<int>(source.projects.size()); ++p)
    {
        const DataState::ProjectCopy& project = source.projects[p];
        places[project.item] = {p, -1};
        for (int t = 0; t < static_cast<int>(project.todos.size()); ++t)
            places[project.todos[t].item] = {p, t};
    }
    const auto placeOf = [&](const void* item)
    {
        const auto found = places.find(item);
        return found != places.end() ? found->second : Place{};
    };
    ItemLinks links;
    for (const DataState::ProjectCopy& project : target.projects)
    {
        links.projects.push_back(placeOf(project.item).project);
        std::vector<Place>& todos = links.todos.emplace_back();
        for (const DataState::TodoCopy& todo : project.todos)
            todos.push_back(placeOf(todo.item));
    }
    return links;
}
