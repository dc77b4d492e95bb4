#pragma once

#include <array>
#include <cstdint>
#include <string>

// A project or todo as a change makes it anew or deletes it: everything the books keep of it.
// A project's time is its total; a project deleted never holds todos.
struct ItemContent
{
    std::string id;
    std::string name;
    std::string comment;
    int32_t priority = 2;
    int64_t time = 0;
    bool expanded = true;
};

// What one edit does to the books, by the ids of the items it concerns. A command describes
// its effect as changes and hands them to the ledger, which applies them and fills in what
// they found (the name before a rename, the content of a deleted item, the seconds a time
// change really moved), so that a change as applied can always be taken back exactly.
struct Change
{
    enum class Kind
    {
        NewProject,
        DeleteProject,
        // A todo made anew in project, or deleted from it.
        NewTodo,
        DeleteTodo,
        // A project's or todo's name (text), a comment (text), a todo's priority (number).
        Rename,
        Comment,
        Priority,
        // A todo leaves project for toProject.
        Move,
        // Seconds moved on a todo (item, may be empty), a project's total (the todo's project,
        // or project; may be none) and the overtime balance; the total is set after the todo,
        // so it never ends below the todos' sum.
        Time,
        // The seven weekday targets.
        Targets,
        // What a clock update's day charging did: the targets charged on the balance
        // (balanceSeconds) and the account's days (the last charged day, and the day after which
        // days were left uncharged, or 0).
        Charged,
    };

    Kind kind = Kind::Time;
    std::string item;
    std::string project;
    std::string toProject;
    std::string textBefore;
    std::string textAfter;
    int32_t numberBefore = 0;
    int32_t numberAfter = 0;
    int64_t todoSeconds = 0;
    int64_t projectSeconds = 0;
    int64_t balanceSeconds = 0;
    ItemContent content;
    std::array<int32_t, 7> targetsBefore{};
    std::array<int32_t, 7> targetsAfter{};
    std::array<int32_t, 2> daysBefore{};
    std::array<int32_t, 2> daysAfter{};
    // For a time change that is a session of the history: its start and end (UTC seconds) and
    // how it ended, as the journal keeps them; 0 for any other. An edit or a deletion also
    // keeps the session's start and end before it, so that undo can put the session back.
    int64_t sessionStart = 0;
    int64_t sessionEnd = 0;
    int64_t sessionStartBefore = 0;
    int64_t sessionEndBefore = 0;
    std::string note;
    // For a time change: balanceSeconds is the balance to set, until the change is applied.
    bool balanceSet = false;
    // What the journal calls a time change ("add", "overtime", ...); nullptr: not journalled.
    const char* journalKind = nullptr;

    static Change NewProject(ItemContent content);
    static Change DeleteProject(std::string id);
    static Change NewTodo(std::string project, ItemContent content);
    static Change DeleteTodo(std::string id);
    static Change Rename(std::string id, std::string name);
    static Change Comment(std::string id, std::string comment);
    static Change Priority(std::string todo, int32_t priority);
    static Change Move(std::string todo, std::string toProject);
    static Change Time(const char* journalKind, std::string todo, std::string project,
                       int64_t todoSeconds, int64_t projectSeconds, int64_t balanceSeconds);
    // Seconds booked on a todo, its project and the balance as a session of the history: one
    // added ("session"), changed ("edit") or deleted ("delete"); an edit or deletion names the
    // session by its start and end before.
    static Change Session(const char* journalKind, std::string todo, int64_t seconds,
                          int64_t balanceSeconds, int64_t start, int64_t end, std::string note,
                          int64_t startBefore = 0, int64_t endBefore = 0);
    // The balance set to seconds, whatever the clock books on it first.
    static Change BalanceSet(const char* journalKind, int32_t seconds);
    static Change Targets(const std::array<int32_t, 7>& targets);
    static Change Charged(int64_t balanceSeconds, int32_t lastChargedDay,
                          int32_t leftUnchargedAfter);

    // The change that takes this one, as applied, back.
    Change Inverse() const;
    // The items the change concerns: its todo (or project item) and the projects named.
    bool IsOnTodo() const;

private:
    void InverseSession();
};
