#pragma once

#include "app/ledger/Change.h"
#include "app/sharing/SharedBooks.h"
#include "app/sharing/SharedFolder.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Tallydene;

// Keeping the books together with the user's other machines through a folder that a sync
// engine keeps equal on all of them. What this machine keeps of it is its own, in a file of the
// data folder ("Tallydene.share"): the folder, and from which entry of its journal on the
// entries belong to the shared books.
class Sharing
{
public:
    // What becomes of this machine's books when it joins a folder that holds books already.
    enum class Joining
    {
        // The folder's books replace this machine's, which are kept as a backup first.
        UseShared,
        // This machine's projects and todos are added to the folder's books; those of the same
        // name become one, their times added.
        Merge
    };

    explicit Sharing(Tallydene& app) : app(app) {}

    // At the start, once the journal is caught up: the folder's books are taken in.
    void Start();
    // From now on the books are shared through the folder (a folder that is there). A failure
    // to write it is given; sharing is then not begun.
    toolbox::FileResult Begin(const std::string& folder, Joining joining);
    // The books stay as they are, on this machine only.
    void End();
    // At each clock update: this machine's new entries go to the folder, the other machines'
    // come in. True when the books changed.
    bool Exchange();

    bool IsOn() const { return books != nullptr; }
    // The journal's entries as History and Report read them (this machine's), joined by the
    // other machines' while the books are shared, in the order of their stamps. Entries that
    // are not plausible at the moment now are left out.
    std::vector<JournalEntry> WithOtherMachines(std::vector<JournalEntry> own, int64_t now) const;
    std::string Folder() const;
    // Whether the folder holds shared books already, so that joining it asks what to do.
    static bool HoldsBooks(const std::string& folder);
    // "Merged from 3f2a9c1b at 10:05", or nothing while no other machine's entry came in.
    std::string StatusText() const;
    // "Mail runs on laptop since 10:05" while a todo runs on another machine; else nothing.
    std::string RunningElsewhereText() const;
    // The folder out of reach, said once until it is back: for the status line and a message.
    const std::optional<toolbox::FileResult>& Problem() const { return problem; }

private:
    // What this machine keeps of sharing: the folder, and the last entry of its journal before
    // the books were shared (none while it shares nothing).
    struct Kept
    {
        std::string folder;
        std::optional<int64_t> firstSequence;
    };
    Kept ReadKept() const;
    std::string SettingsPath() const;
    void Keep(const std::string& folder, int64_t firstSequence) const;
    void Open(const std::string& folder, std::string startingBooks, int64_t firstSequence);
    // One of this machine's projects into the shared books: a project or todo of the same name
    // there takes its time, anything else is added.
    void MergeProject(const ItemContent& project, const std::vector<ItemContent>& todos);
    // A later start on another machine ends the session here.
    void FollowStartsElsewhere();

    Tallydene& app;
    std::unique_ptr<SharedFolder> folder;
    std::unique_ptr<SharedBooks> books;
    std::optional<toolbox::FileResult> problem;
    int32_t lastMerged = 0;
    // The journal's last entry when this machine's entries last reached the folder.
    int64_t caughtUpTo = -1;
    // The session another machine runs, as its start entry says.
    std::optional<JournalEntry> runningElsewhere;
    // A session here was ended because of it.
    bool endedHere = false;
};
