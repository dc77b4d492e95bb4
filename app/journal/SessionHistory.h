#pragma once

#include "app/journal/JournalEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One period a todo ran, under the names its project and todo have now; or time added or
// removed by hand (kind "add" or "remove", start and end the moment).
struct Session
{
    int64_t start = 0;
    int64_t end = 0;
    int64_t booked = 0;
    std::string project;
    std::string todo;
    std::string how;
    std::string kind = JournalKind::session;
    // Still running: its end is now.
    bool running = false;
    // What names the session for good, whatever is edited later: the device and sequence of
    // the entry that recorded it (for older lines without them, its first start and names).
    std::string id{};
    // The machine it ran on, when the books are shared; empty for sessions of older runs.
    std::string machine{};
};

// The id of the session that the entry records.
std::string SessionIdOf(const JournalEntry& entry);

// The sessions of the journal, oldest start first. Renames and moves recorded after a session
// carry it along, so a todo's history stays with it under its new name.
// Edits and deletions made in the history are applied. With changesByHand, the time added and
// removed by hand comes along too.
std::vector<Session> SessionsOf(const std::vector<JournalEntry>& entries,
                                bool changesByHand = false);

// The session still running at the end of the entries, up to now, under the names it started
// with.
std::optional<Session> RunningSessionOf(const std::vector<JournalEntry>& entries, int64_t now);

// The ended sessions that start from first to before last, oldest first, and the one still
// running at the end of the entries, up to now, when it starts within them.
std::vector<Session> SessionsBetween(const std::vector<JournalEntry>& entries, int64_t first,
                                     int64_t last, int64_t now);

// What History and Report hand to the calendar export: their sessions, the option of one event
// per day and todo, and the moment the export is made.
struct SessionExport
{
    std::vector<Session> sessions;
    bool perDay = false;
    int64_t now = 0;
};
