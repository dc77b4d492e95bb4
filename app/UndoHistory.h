#pragma once

#include "app/DataState.h"
#include "app/UndoStep.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class CommandContext;
class Tallydene;
class Todo;
class TreeItem;
struct Command;

// The steps the user can undo and redo in this session. Every data-changing command runs
// through Run, which keeps it as a step when it changed data; undo and redo bring the data
// back or forth by one step and keep the time the clock booked meanwhile.
class UndoHistory
{
public:
    // The oldest step is forgotten beyond this many.
    static constexpr size_t kStepsKept = 100;

    // Runs the command; when it may change data and did, it becomes the step to undo and the
    // steps to redo are forgotten.
    void Run(const Command& command, CommandContext& context);
    // Runs a change that is no entry of the command table (a drop) as a step of that name.
    void Record(Tallydene& app, const char* name, const std::function<void()>& change);

    // While an item-level command runs: the command it turned out to be names the step.
    void NameStep(const char* name);
    // From the clock while a command runs: that time is not the command's change.
    void Booked(const Todo& todo, int64_t todoSeconds, int64_t projectSeconds);
    void BookedOnBalance(int64_t seconds);
    // Each event-log line of a running command, to name the step in the undo's line.
    void Logged(const std::string& message, const std::string* detail);
    // The data was loaded anew (a restore): no step fits it any more.
    void Clear();

    // The step undo, or redo, would take; nullptr when there is none.
    const UndoStep* NextUndo() const;
    const UndoStep* NextRedo() const;
    // The step's name as the menus show it: the command's translated name and the item it
    // changed in quotes; empty when there is no step.
    std::string NextUndoName() const;
    std::string NextRedoName() const;

    // Undoes the last step, or redoes the last undone one, and logs it; a refusal when the
    // running todo would be removed.
    void Undo(CommandContext& context);
    void Redo(CommandContext& context);

private:
    struct Recording
    {
        const char* name;
        DataState before;
        std::map<const TreeItem*, int64_t> booked;
        int64_t bookedBalance = 0;
        std::vector<std::string> lines;
    };

    enum class Way
    {
        Back,
        Forth
    };
    void Take(CommandContext& context, Way way);

    std::deque<UndoStep> undoSteps;
    std::deque<UndoStep> redoSteps;
    std::optional<Recording> recording;
};
