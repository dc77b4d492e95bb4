#pragma once

#include "model/Todo.h"
#include "model/TreeItem.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <string>

// A project: its todos, which it owns, and the total time booked on it, which keeps the time
// of todos since zeroed or deleted and so is never below what its todos hold when it is set.
class Project : public TreeItem
{
public:
    Project();

    bool IsProject() const override { return true; }

    const std::string& GetComment() const { return comment; }
    void SetComment(const std::string& text)
    {
        comment = text;
        MarkChanged();
    }
    toolbox::ArrayList<Todo>& GetTodos() { return todos; }
    const toolbox::ArrayList<Todo>& GetTodos() const { return todos; }
    int32_t GetTotalTime() const { return totalTime; }
    // A total below the todos' sum is stored as that sum.
    void SetTotalTime(int32_t seconds);
    // Adds a change of either sign to the total, kept within the range of a duration.
    void AddTime(int64_t change);
    // Completed todos included; a sum beyond the range of a duration saturates at its maximum.
    int32_t SumOfTodoTimes() const;
    bool AnyTodoHasVisibleTime(const ItemContext& context) const;
    // Sorts the todos and rebuilds their nodes on the main tree in the new order. The
    // selection of a todo's node is lost, so callers select again.
    void ResortTodos(const ItemContext& context);

    std::string GetLabel(const ItemContext& context) const override;
    ContextMenu GetContextMenu() const override { return ContextMenu::Project; }
    int GetImage(const ItemContext& context) const override;
    TreeNode GetParentNode(const TreeControl&) const override { return nullptr; }
    int GetStateImage() const override { return -1; }

    void Load(toolbox::ConfigSection& own) override;
    void Save(toolbox::ConfigSection& parent) const override;
    // Only what booking time on one of its todos changes: the todo's time and the total.
    void SaveBookedTime(toolbox::ConfigSection& parent, const Todo& todo) const;
    // Whether the project, a todo of it or the list of its todos changed since the last
    // SavedAsItIs(); todos join and leave only through SetProject or as new ones.
    bool ChangedSinceSave() const;
    // The project and its todos are in the store as they are now.
    void SavedAsItIs();

    void Refresh(const ItemContext& context) override;

private:
    std::string comment;
    toolbox::ArrayList<Todo> todos;
    int32_t totalTime = 0;
    int savedTodoCount = -1;
};

// Names without regard to ASCII letter case.
int CompareProjects(const Project& a, const Project& b);
