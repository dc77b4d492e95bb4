#pragma once

#include "app/journal/SessionHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class Tallydene;
class Todo;

// The history window's form: the journal's sessions as a diary, newest day first, each day a
// heading row with the day's total followed by its sessions, the running one and the time added
// or removed by hand; filtered by project, todo and a date range. A session's start, end and
// todo can be changed, a session deleted and one added for a past day: the todos, their
// projects and the balance then change by exactly the difference, which the journal and the
// event log record, each an undoable step.
class HistoryForm
{
public:
    explicit HistoryForm(Tallydene& app) : app(app) {}

    // Reads the journal and shows everything.
    void Open();
    // Shows what the filters below let through. A date that is not one is refused.
    bool ApplyFilter(Prompts& prompts);

    // Empty shows all; otherwise the exact name.
    std::string project;
    std::string todo;
    // YYYY-MM-DD, local, both inclusive; empty is open.
    std::string from;
    std::string to;

    struct Row
    {
        // A day's heading, or one of its sessions.
        bool day;
        size_t session;
        // A heading's: what the day's rows shown add up to.
        int64_t total = 0;
    };
    const std::vector<Row>& Rows() const { return rows; }
    const Session& SessionAt(size_t session) const { return sessions[session]; }
    // The sessions the filter lets through as the journal holds them now, oldest first, the
    // running one up to now, without the time changed by hand.
    SessionExport ShownSessions() const;
    // Column 0 the time ("09:00 - 10:30") or the day, 1 the duration, 2 the project, 3 the todo.
    std::string Cell(const Row& row, int column) const;
    // With the books shared, a fifth column tells the machine each session ran on.
    bool ShowsMachines() const;
    // The project names in the history, sorted, for the project filter.
    std::vector<std::string> ProjectNames() const;

    // A todo a session can be given: its id, and its project's and its own name.
    struct TodoChoice
    {
        std::string id;
        std::string project;
        std::string todo;
    };
    std::vector<TodoChoice> TodoChoices() const;
    // The id of the session's todo; empty when it is gone.
    std::string TodoIdOf(size_t session) const;

    // start and end as YYYY-MM-DD HH:MM; todoId another todo to give the session, or empty.
    // Refused with a message when either is no moment, the end is not after the start or lies
    // in the future, the session would overlap another, or its todo is gone; also for the
    // running session and time changed by hand, which are no ended sessions.
    bool EditSession(size_t session, const std::string& start, const std::string& end,
                     Prompts& prompts, const std::string& todoId = {});
    bool DeleteSession(size_t session, Prompts& prompts);
    // A session forgotten to be timed, refused as an edit would be.
    bool AddSession(const std::string& todoId, const std::string& start, const std::string& end,
                    Prompts& prompts);

    // The texts the edit fields start with.
    static std::string MomentText(int64_t moment);
    // Now by the program's clock, for the times a new session starts with.
    int64_t Now() const;

private:
    // The rows of the sessions starting from first to before last.
    void Fill(int64_t first, int64_t last);
    Todo* TodoOf(const Session& session) const;
    Todo* TodoWithId(const std::string& id) const;
    // The session with start and end read, or nothing after a refusal; other is the session
    // that may overlap it, none for a new one.
    std::optional<Session> Checked(Session session, const std::string& start,
                                   const std::string& end, std::optional<size_t> other,
                                   Prompts& prompts) const;
    // Moves the todo, its project and the balance by the amount, records it with the session's
    // start and end (and, for an edit or deletion, the session as it was) and saves.
    void Apply(Todo& todo, int64_t amount, const Session& session, const char* kind,
               const std::string& note, const Session* before = nullptr);

    bool Shows(const Session& session) const;

    Tallydene& app;
    // The dates the rows were last filled for.
    int64_t shownFirst = 0;
    int64_t shownLast = 0;
    std::vector<Session> sessions;
    std::vector<Row> rows;
};
