#pragma once

#include "app/journal/HybridClock.h"
#include "app/journal/JournalFile.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

class Todo;
namespace toolbox
{
class Path;
}

// The history of the application's accounts: each period a todo runs and each change made by
// hand, kept in the journal file. A session's start is written when it starts; its end, with
// the time booked, when it ends. Moments come in as clock values.
//
// An entry the file does not take (a full disk, a read-only folder) waits in memory, in its
// order, and is written before any later one; the books are saved only once none waits.
class SessionJournal
{
public:
    explicit SessionJournal(std::string path) : file(std::move(path)) {}
    // From now on each entry is written as this device's next one, with the clock's stamp; the
    // numbering and the clock go on from the journal's last entry.
    void WriteAs(std::string deviceId);
    const std::string& Device() const { return device; }
    // The machine's name, kept with each session it starts.
    void SetMachineName(std::string name) { machine = std::move(name); }
    // The number of this device's last entry, written or waiting.
    int64_t LastSequence() const { return sequence; }
    // An entry of another machine was seen: this device's later entries are stamped after it.
    void Observe(const HybridClock::Stamp& stamp) { stamps.Observe(stamp); }
    // Whether the journal's last entry, when WriteAs read it, was one of the complete record.
    bool ContinuesCompleteRecord() const { return continuesComplete; }

    // The journal file in the data folder, named after the program.
    static std::string FileIn(const toolbox::Path& dataFolder);
    static int64_t UnixTimeOf(int32_t clockValue);

    // Ends any running session first ("switched").
    void BeginSession(int32_t moment, const Todo& todo);
    // Time booked on the running session's todo, its project and the balance.
    void Book(int64_t todoSeconds, int64_t projectSeconds, int64_t balanceSeconds);
    // how: "paused", "switched" or "quit". Nothing happens while no session runs.
    void EndSession(int32_t moment, const char* how);
    // The user was away from leftAt to backAt (clock values) and discards that time: the running
    // session ends where the user left, with what it booked up to then, and the rest (worked
    // since the return, up to the last update) goes into a session of its own, unless the
    // program pauses and nothing was worked since.
    void SplitRunningSession(int32_t leftAt, int32_t backAt, int32_t lastUpdate, bool pausing);
    // The running session with what it has booked so far.
    const std::optional<JournalEntry>& GetRunningSession() const { return running; }

    // At each save of the books while a session runs, before the file is written: what the
    // session has booked up to the update the save holds. Nothing when that is already written.
    void RecordProgress(int32_t savedUpdate);
    // At the start: a session of an earlier run that was never ended (a crash, a kill) ends at
    // that run's last saved clock update, with what its progress at that update had booked,
    // which is what the saved books hold of it. A session written before there was progress
    // takes the span from its start to that update.
    void CloseInterrupted(int32_t lastSavedUpdate, bool balanceBooked);

    // A change made by hand, written at once.
    void Record(JournalEntry entry, int32_t moment);
    // An entry with the moments it has; its stamp is given.
    std::string Append(JournalEntry entry);

    // Writes the entries that wait, oldest first, up to the first the file does not take; that
    // failure is the result.
    toolbox::FileResult WriteWaiting();
    size_t WaitingCount() const { return waiting.size(); }

    JournalFile& GetFile() { return file; }
    const JournalFile& GetFile() const { return file; }

private:
    // A session of the todo the entry names begins at the moment.
    void Open(int32_t moment, const JournalEntry& names);

    JournalFile file;
    std::optional<JournalEntry> running;
    // The running session's last progress, so that a save that booked nothing adds none.
    std::optional<JournalEntry> progress;
    std::deque<JournalEntry> waiting;
    std::string device;
    std::string machine;
    int64_t sequence = 0;
    HybridClock stamps;
    bool continuesComplete = false;
};
