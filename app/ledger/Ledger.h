#pragma once

#include "app/ledger/Change.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class OvertimeAccount;
class Project;
class Tallydene;
class Todo;
class TreeItem;

// The one place that changes the books. A command hands over its changes; the ledger books the
// clock up to now, applies them in order, journals each, updates each changed node of the main
// tree once, gives what it applied to the undo history and leaves the save to the end of the
// command. Undo and redo retrace changes through it as well.
class Ledger
{
public:
    enum class Outcome
    {
        Done,
        // The running todo would be deleted; nothing was changed.
        RunningTodoWouldGo,
        // An item the changes name is not there (or already there, for a new one); nothing was
        // changed.
        DataDiffers
    };

    struct Retraced
    {
        Outcome outcome = Outcome::Done;
        // The changes as they were applied, those that changed nothing left out.
        std::vector<Change> applied;
        // The item the changes are best seen on, or nullptr.
        TreeItem* shown = nullptr;
    };

    explicit Ledger(Tallydene& app) : app(app) {}

    // A command's changes.
    Outcome Apply(std::vector<Change> changes);
    // Undo's or redo's changes: journalled under kind with note, and kept as no step.
    Retraced Retrace(const std::vector<Change>& changes, const char* kind, const std::string& note);

    // The clock's time booked up to now, the status line and the tooltip brought up to date:
    // before a dialog or a copy shows times, and after a command that only moved the clock.
    void BookClock();
    // The clock's time worked (or away time the user keeps) on a todo, its project and, with
    // overtime on, the balance. On the running todo it joins the running session, which the
    // journal takes as one entry when it ends; on another todo it is an entry of its own,
    // under the note. It is no undo step and does not book the clock first: it is the clock.
    void Book(Todo& todo, int64_t seconds, const std::string& note);

    // What a clock update's day charging did, worked out on a copy of the account: the balance
    // and the days as one change, journalled, no undo step. The copy's last update is taken
    // as it is.
    void Charge(const OvertimeAccount& charged);

    // The books replaced whole by those of a data file's text (a backup): the running session
    // ends in the books it ran in, the clock goes on from now, the window shows the new books
    // and the journal's record goes on from them with one entry that holds them. No undo step.
    void ReplaceBooks(std::string text);

    // A change read back from the journal: applied alone, with no clock, journal, undo step or
    // view. False when an item it names is not there.
    bool Replay(const Change& change);
    // A command's changes are shown when it ends, each changed item once however many of its
    // steps changed it; outside a command, at once. Scopes nest: the outermost one shows.
    class CommandView
    {
    public:
        explicit CommandView(Ledger& ledger);
        ~CommandView();
        CommandView(const CommandView&) = delete;
        CommandView& operator=(const CommandView&) = delete;

    private:
        Ledger& ledger;
    };
    // Whether a command runs (its dialog may be open): the books must not be loaded anew under it.
    bool IsCommandOpen() const { return commandsOpen > 0; }
    // The item's node shows its name, time and marks anew.
    void Show(TreeItem& item);
    // What the open command changed so far is shown now: a clock update while a command's
    // dialog is open keeps the tree current.
    void ShowWaiting();

    // The user shows an item expanded or collapsed: the flag is kept with the item and
    // journalled, and saved at the end of the command.
    void SetExpanded(TreeItem& item, bool expanded);
    // The working-time account switched on or off, or its days counted at local midnight or
    // not: options of the books, which every machine sharing them takes. Journalled when changed.
    void SetWorkingTimeEnabled(bool enabled);
    void SetDaysLocal(bool local);

    Project* FindProject(const std::string& id) const;
    Todo* FindTodo(const std::string& id) const;
    static ItemContent ContentOf(const Todo& todo);
    static ItemContent ContentOf(const Project& project);

private:
    // What the main tree must show anew once the changes are applied.
    struct ViewWork
    {
        std::vector<TreeItem*> refresh;
        std::vector<Project*> resort;
        std::vector<Project*> reorder;
        bool title = false;
    };

    Outcome Check(const std::vector<Change>& changes) const;
    Retraced Run(const std::vector<Change>& changes, const char* undoKind, const std::string& note);
    // Applies one change and appends it as applied (with any change it brought along).
    void ApplyOne(const Change& change, std::vector<Change>& applied, ViewWork& view);
    void ApplyTime(Change change, std::vector<Change>& applied, ViewWork& view);
    void Forget(const TreeItem& item, ViewWork& view);
    void ShowChanges(const ViewWork& view);
    void Journal(const Change& change, const char* undoKind, const std::string& note) const;
    void JournalOption(const char* key, bool value) const;
    TreeItem* Shown(const std::vector<Change>& applied) const;
    // The item of the id, through the index of all items, which is made anew after a load and
    // when an id is not found while the books hold items the index does not.
    TreeItem* Find(const std::string& id) const;
    void MakeIndex() const;
    size_t CountItems() const;

    Tallydene& app;
    mutable std::unordered_map<std::string, TreeItem*> index;
    mutable uint64_t indexedLoad = 0;
    // Open command scopes, and the items they changed, from the load they were found in.
    int commandsOpen = 0;
    std::vector<TreeItem*> waitingToShow;
    uint64_t waitingLoad = 0;
};
