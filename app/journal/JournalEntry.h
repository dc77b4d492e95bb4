#pragma once

#include <cstdint>
#include <optional>
#include <string>

// One line of the journal, which records every change of the books. A line has fifteen fields,
// separated by tabs:
//   kind, start, end, todo seconds, project seconds, balance seconds, project, todo, note,
//   todo id, project id, value, device, sequence, stamp
// Times are UTC seconds since 1970; the three amounts are what the entry changed on the todo,
// its project's total and the overtime balance. The value holds what a kind needs beyond
// them (a priority, the targets, a project's id). Device, sequence and stamp say which data
// folder wrote the entry, as its how-manieth, and when by a clock that never goes back. Lines
// written before entries carried ids have only the first nine fields. Tabs, line ends and
// backslashes inside the texts are written as \t, \r, \n and \\, so an entry is always one
// line.
struct JournalEntry
{
    std::string kind;
    int64_t start = 0;
    int64_t end = 0;
    int64_t todoSeconds = 0;
    int64_t projectSeconds = 0;
    int64_t balanceSeconds = 0;
    std::string project;
    std::string todo;
    std::string note;
    std::string todoId{};
    std::string projectId{};
    std::string value{};
    std::string device{};
    int64_t sequence = 0;
    std::string stamp{};

    // The line with its CR LF: with all fifteen fields once the entry has its device.
    std::string Format() const;
    // The entry of a line without its line end; nothing when a field is missing or a number
    // is not one.
    static std::optional<JournalEntry> Parse(const std::string& line);
    // False for numbers that no clock of ours wrote: a time before 1990 or more than a day
    // after now, an end before the start or more than a week after it, an amount larger than
    // two durations can differ by. Such numbers would overflow the sums and dates made of them.
    bool IsPlausible(int64_t now) const;
    // Whether the amounts are time booked or moved on existing items: by the clock, by hand, by
    // undo. A made or deleted item's content and the targets a day charged are not.
    bool MovesTime() const;

    // What the entry does to a session of the history: "session" (one ended or added, or back
    // after undo), "edit" or "delete", with the session's start before in before; an undo or
    // redo of such a change says it in its value ("delete,1772445600"). Empty for any other.
    std::string SessionChange(int64_t& before) const;
};

// The kinds of entries.
namespace JournalKind
{
// A session that started; its "session" entry follows when it ends.
inline constexpr const char* open = "open";
// A period a todo ran; the note says how it ended.
inline constexpr const char* session = "session";
// What the running session had booked at a save of the books (end: the saved update), so
// that a run that is killed is closed with what its saved books hold. Readers of the history
// pass it by: the session's own entry follows.
inline constexpr const char* progress = "progress";
inline constexpr const char* add = "add";
inline constexpr const char* remove = "remove";
inline constexpr const char* transfer = "transfer";
inline constexpr const char* zero = "zero";
inline constexpr const char* cleanUp = "clean-up";
inline constexpr const char* overtime = "overtime";
// The targets of a long gap left uncharged; the note holds its first and last date.
inline constexpr const char* uncharged = "uncharged";
// A project's total set in its properties.
inline constexpr const char* total = "total";
// A project or todo renamed (note: the new name) or a todo moved (note: the new project);
// the history shows older entries under the new names.
inline constexpr const char* rename = "rename";
inline constexpr const char* move = "move";
// A session's start and end changed, or the session deleted, in the history; the note holds
// the session's start before, the amounts what the change moved. Undo and redo of these, and
// of a session added, name the change and that start as their value.
inline constexpr const char* edit = "edit";
inline constexpr const char* erase = "delete";
// What undoing or redoing a step moved on a todo, a project or the balance; the note holds the
// event-log line. What undo or redo does to items themselves is written under the kinds below.
inline constexpr const char* undo = "undo";
inline constexpr const char* redo = "redo";
// A project or todo made, with its content: the comment as the note, a todo's time or a
// project's total as the amount, and as the value a todo's priority and each item's expanded
// flag ("2,1"; a project: "1").
inline constexpr const char* newProject = "new-project";
inline constexpr const char* newTodo = "new-todo";
// A project or todo deleted, with the same content.
inline constexpr const char* deleteProject = "delete-project";
inline constexpr const char* deleteTodo = "delete-todo";
// A comment set (note: the new comment); a priority set, or completed (value: the priority).
inline constexpr const char* comment = "comment";
inline constexpr const char* priority = "priority";
inline constexpr const char* completed = "completed";
// The seven weekday targets, Monday first (value: "28800,28800,...").
inline constexpr const char* targets = "targets";
// A project or todo shown expanded or collapsed (value: 1 or 0).
inline constexpr const char* expanded = "expanded";
// An option of the books set (note: its key, "WorkingTimeEnabled" or "DaysAtLocalMidnight";
// value: 1 or 0).
inline constexpr const char* option = "option";
// The days charged or left uncharged: what it took off the balance, and as the value the last
// charged day and the day after which days were left uncharged, after the charging and then
// before it ("13210,0,13209,0"; entries of older runs hold the first two alone).
inline constexpr const char* charged = "charged";
// The whole books at a start whose journal does not hold them from the beginning, and after a
// restore: the projects and the working-time account as the data file writes them (note).
inline constexpr const char* books = "books";
} // namespace JournalKind
