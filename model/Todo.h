#pragma once

#include "model/TreeItem.h"

#include <cstdint>
#include <string>

class Project;

constexpr int32_t kPriorityCompleted = 5;

// A piece of work in a project, with the time booked on it and a priority from 0 (urgent) to
// 5 (completed); other priority values are kept as they are but show no priority icon.
class Todo : public TreeItem
{
public:
    // The todo is not yet in the project's list: the caller appends it.
    explicit Todo(Project* project);

    bool IsTodo() const override { return true; }

    const std::string& GetComment() const { return comment; }
    void SetComment(const std::string& text)
    {
        comment = text;
        MarkChanged();
    }
    // A comment of nothing but a line break counts as none.
    bool HasComment() const;
    int32_t GetPriority() const { return priority; }
    void SetPriority(int32_t value)
    {
        priority = value;
        MarkChanged();
    }
    bool IsCompleted() const { return priority == kPriorityCompleted; }
    Project* GetProject() const { return project; }
    void SetProject(Project* owner)
    {
        project = owner;
        MarkChanged();
    }
    int32_t GetTime() const { return time; }
    // A negative time is stored as 0.
    void SetTime(int32_t seconds);
    // Adds a change of either sign, kept within the range of a duration.
    void AddTime(int64_t change);
    bool HasVisibleTime(const ItemContext& context) const;

    std::string GetLabel(const ItemContext& context) const override;
    ContextMenu GetContextMenu() const override { return ContextMenu::Todo; }
    int GetImage(const ItemContext& context) const override;
    TreeNode GetParentNode(const TreeControl& tree) const override;
    int GetStateImage() const override;

    void Load(toolbox::ConfigSection& own) override;
    void Save(toolbox::ConfigSection& parent) const override;
    void SaveTime(toolbox::ConfigSection& parent) const;

    void Refresh(const ItemContext& context) override;

private:
    std::string comment;
    int32_t priority = 2;
    Project* project;
    int32_t time = 0;
};

// Smaller priority first, then names without regard to ASCII letter case.
int CompareTodos(const Todo& a, const Todo& b);
