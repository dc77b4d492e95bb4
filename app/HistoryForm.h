#pragma once

#include "app/SessionHistory.h"

#include <cstdint>
#include <string>
#include <vector>

class Prompts;
class Tallydene;
class Todo;

// The history window's form: the journal's sessions as a diary, newest day first, each day a
// heading row followed by its sessions; filtered by project, todo and a date range. A session's
// start and end can be changed and a session deleted: the todo, its project and the balance
// then change by exactly the difference, which the journal and the event log record.
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
    };
    const std::vector<Row>& Rows() const { return rows; }
    const Session& SessionAt(size_t session) const { return sessions[session]; }
    // Column 0 the time ("09:00 - 10:30") or the day, 1 the duration, 2 the project, 3 the todo.
    std::string Cell(const Row& row, int column) const;
    // The project names in the history, sorted, for the project filter.
    std::vector<std::string> ProjectNames() const;

    // start and end as YYYY-MM-DD HH:MM. Refused with a message when either is no moment, the
    // end is not after the start or lies in the future, the session would overlap another,
    // or its todo is gone.
    bool EditSession(size_t session, const std::string& start, const std::string& end,
                     Prompts& prompts);
    bool DeleteSession(size_t session, Prompts& prompts);

    // The texts the edit fields start with.
    static std::string MomentText(int64_t moment);

private:
    // The rows of the sessions starting from first to before last.
    void Fill(int64_t first, int64_t last);
    Todo* TodoOf(const Session& session) const;
    // Moves the todo, its project and the balance by the change, records it and saves.
    void Apply(Todo& todo, const Session& before, const Session& after, const char* kind);

    Tallydene& app;
    std::vector<Session> sessions;
    std::vector<Row> rows;
};
