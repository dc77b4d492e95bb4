#pragma once

#include "app/DataState.h"
#include "app/ItemLinks.h"

#include <memory>
#include <string>
#include <vector>

class Project;
class Tallydene;
class Todo;
class TreeItem;

// Brings the application's data from one copy to another, as undo and redo do. The data must
// be the source copy apart from time the clock booked since; that time stays booked: each
// item's time becomes the target's plus what the clock added to it since the source was
// taken, and so does the balance. Items the target lacks are removed, those it has anew are
// made from the copy, the others keep their identity (an active todo stays active).
class StateChange
{
public:
    enum class Outcome
    {
        Done,
        // The running todo would be removed; nothing was changed.
        RunningTodoWouldGo,
        // The data no longer matches the source copy; nothing was changed.
        DataDiffers
    };

    // None of the references is owned; all must outlive the change.
    StateChange(Tallydene& app, const DataState& source, const DataState& target,
                const ItemLinks& links);
    ~StateChange();

    // The journal gets the change under kind, with note, when it is done.
    Outcome Apply(const char* kind, const std::string& note);
    // The item the change is best seen on, or nullptr.
    TreeItem* Shown() const { return shown; }

private:
    bool FindLiveItems();
    bool RemovesRunningTodo() const;
    void TakeItemsOut();
    std::unique_ptr<Project> MakeProject(int index);
    std::unique_ptr<Todo> MakeTodo(int projectIndex, int todoIndex, Project& owner);
    void FindShown();
    void JournalRenames() const;
    void JournalTimes(const char* kind, const std::string& note) const;

    Tallydene& app;
    const DataState& source;
    const DataState& target;
    const ItemLinks& links;
    // The items now, in the source copy's places.
    std::vector<Project*> liveProjects;
    std::vector<std::vector<Todo*>> liveTodos;
    std::vector<std::unique_ptr<Project>> projectPool;
    std::vector<std::vector<std::unique_ptr<Todo>>> todoPool;
    // The time the change moved on each item it kept, for the journal.
    std::vector<int64_t> projectMoved;
    std::vector<std::vector<int64_t>> todoMoved;
    int64_t balanceMoved = 0;
    TreeItem* shown = nullptr;
};
