#pragma once

#include "app/JournalFile.h"

#include <cstdint>
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
class SessionJournal
{
public:
    explicit SessionJournal(std::string path) : file(std::move(path)) {}

    // The journal file in the data folder, named after the program.
    static std::string FileIn(const toolbox::Path& dataFolder);
    static int64_t UnixTimeOf(int32_t clockValue);

    // Ends any running session first ("switched").
    void BeginSession(int32_t moment, const Todo& todo);
    // Time booked on the running session's todo, its project and the balance.
    void Book(int64_t todoSeconds, int64_t projectSeconds, int64_t balanceSeconds);
    // how: "paused", "switched" or "quit". Nothing happens while no session runs.
    void EndSession(int32_t moment, const char* how);
    bool IsSessionRunning() const { return running.has_value(); }
    // The running session with what it has booked so far.
    const std::optional<JournalEntry>& GetRunningSession() const { return running; }

    // At the start: a session of an earlier run that was never ended (a crash, a kill) ends at
    // that run's last saved clock update, with the time that update had booked.
    void CloseInterrupted(int32_t lastSavedUpdate, bool balanceBooked);

    // A change made by hand, written at once.
    void Record(JournalEntry entry, int32_t moment);

    const JournalFile& GetFile() const { return file; }

private:
    JournalFile file;
    std::optional<JournalEntry> running;
};
