#pragma once

#include <cstdint>
#include <optional>
#include <string>

// One line of the session journal. Every line has the same nine fields, separated by tabs:
//   kind, start, end, todo seconds, project seconds, balance seconds, project, todo, note
// Times are UTC seconds since 1970; the three amounts are what the entry changed on the todo,
// its project's total and the overtime balance. Tabs, line ends and backslashes inside the
// names and the note are written as \t, \r, \n and \\, so an entry is always one line.
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

    // The line with its CR LF.
    std::string Format() const;
    // The entry of a line without its line end; nothing when a field is missing or a number
    // is not one.
    static std::optional<JournalEntry> Parse(const std::string& line);
    // False for numbers that no clock of ours wrote: a time before 1990 or more than a day
    // after now, an end before the start or more than a week after it, an amount larger than
    // two durations can differ by. Such numbers would overflow the sums and dates made of them.
    bool IsPlausible(int64_t now) const;
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
// the session's start before, the amounts what the change moved.
inline constexpr const char* edit = "edit";
inline constexpr const char* erase = "delete";
// What undoing or redoing a step moved on a todo, a project or the balance; the note holds the
// event-log line.
inline constexpr const char* undo = "undo";
inline constexpr const char* redo = "redo";
} // namespace JournalKind
