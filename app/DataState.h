#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class Project;
class Tallydene;
class Todo;
class TreeItem;

// A copy of what the data-changing commands can change: every project and todo with its
// id, names, properties and time, the overtime balance and the weekday targets. While a command
// runs, the items' addresses tell which copy belongs to which item, across renames and moves.
class DataState
{
public:
    struct TodoCopy
    {
        const Todo* item = nullptr;
        std::string id;
        std::string name;
        std::string comment;
        int32_t priority = 2;
        int64_t time = 0;
        bool expanded = true;

        // The data alike; the addresses do not count.
        bool operator==(const TodoCopy& other) const;
    };

    struct ProjectCopy
    {
        const Project* item = nullptr;
        std::string id;
        std::string name;
        std::string comment;
        int64_t totalTime = 0;
        bool expanded = true;
        std::vector<TodoCopy> todos;

        bool operator==(const ProjectCopy& other) const;
        // The todo of that name, or -1.
        int FindTodo(const std::string& todoName) const;
    };

    static DataState Of(const Tallydene& app);

    // Takes out what the running clock booked on items and on the balance, so that only the
    // command's own change is left.
    void LeaveOut(const std::map<const TreeItem*, int64_t>& booked, int64_t bookedBalance);
    // The project of that name, or -1.
    int FindProject(const std::string& projectName) const;
    // The addresses are only good while the command runs.
    void ForgetItems();

    bool operator==(const DataState& other) const = default;

    std::vector<ProjectCopy> projects;
    int64_t balance = 0;
    std::array<int32_t, 7> targets{};
};
