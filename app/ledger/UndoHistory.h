#pragma once

#include "app/ledger/UndoStep.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CommandContext;
class Tallydene;
struct Command;

// The steps the user can undo and redo in this session. Every data-changing command runs
// through Run; what the ledger applied meanwhile becomes its step. Undo retraces a step's
// changes backwards, redo forwards, both through the ledger, so the time the clock booked
// meanwhile stays booked.
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
    // From the ledger while a command runs: the changes it applied.
    void Took(const std::vector<Change>& applied);
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
        std::vector<Change> changes;
        std::vector<std::string> lines;
    };

    enum class Way
    {
        Back,
        Forth
    };
    void Take(CommandContext& context, Way way);
    // The one todo's name, or the one project's, that the changes concern.
    std::string SubjectOf(const Tallydene& app, const std::vector<Change>& changes) const;

    std::deque<UndoStep> undoSteps;
    std::deque<UndoStep> redoSteps;
    std::optional<Recording> recording;
};
