#include "app/journal/JournalReplay.h"

#include "app/Tallydene.h"
#include "app/journal/BooksText.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>

namespace
{

std::vector<int64_t> Numbers(const std::string& text)
{
    std::vector<int64_t> numbers;
    std::istringstream fields(text);
    std::string field;
    while (std::getline(fields, field, ','))
    {
        int64_t number = 0;
        std::from_chars(field.data(), field.data() + field.size(), number);
        numbers.push_back(number);
    }
    return numbers;
}

ItemContent ContentOf(const JournalEntry& entry, bool todo)
{
    const std::vector<int64_t> value = Numbers(entry.value);
    ItemContent content;
    content.id = todo ? entry.todoId : entry.projectId;
    content.name = todo ? entry.todo : entry.project;
    content.comment = entry.note;
    content.time = todo ? entry.todoSeconds : entry.projectSeconds;
    if (todo && !value.empty())
        content.priority = static_cast<int32_t>(value[0]);
    content.expanded = value.empty() || value.back() != 0;
    return content;
}

// A session's amounts are what it has booked so far: each progress entry and its closing entry
// add what came since the one before.
class Sessions
{
public:
    Change Booked(const JournalEntry& entry)
    {
        const std::string key = std::to_string(entry.start) + ' ' + entry.todoId;
        Amounts& booked = sessions[key];
        Change change = Change::Time(
            entry.kind.c_str(), entry.todoId, {}, entry.todoSeconds - booked.todo,
            entry.projectSeconds - booked.project, entry.balanceSeconds - booked.balance);
        booked = {entry.todoSeconds, entry.projectSeconds, entry.balanceSeconds};
        if (entry.kind == JournalKind::session)
            sessions.erase(key);
        return change;
    }

private:
    struct Amounts
    {
        int64_t todo = 0;
        int64_t project = 0;
        int64_t balance = 0;
    };
    std::map<std::string, Amounts> sessions;
};

// Applies one entry's change to the books; false when an item it names is not there.
bool ApplyEntry(Tallydene& books, Sessions& sessions, const JournalEntry& entry)
{
    Ledger& ledger = books.GetLedger();
    OvertimeAccount& account = books.GetOvertimeAccount();
    const std::string& kind = entry.kind;
    bool applied = true;
    if (kind == JournalKind::newProject || kind == JournalKind::deleteProject)
        applied = ledger.Replay(kind == JournalKind::newProject
                                    ? Change::NewProject(ContentOf(entry, false))
                                    : Change::DeleteProject(entry.projectId));
    else if (kind == JournalKind::newTodo)
        applied = ledger.Replay(Change::NewTodo(entry.projectId, ContentOf(entry, true)));
    else if (kind == JournalKind::deleteTodo)
        applied = ledger.Replay(Change::DeleteTodo(entry.todoId));
    else if (kind == JournalKind::rename)
        applied = ledger.Replay(
            Change::Rename(entry.todoId.empty() ? entry.projectId : entry.todoId, entry.note));
    else if (kind == JournalKind::comment)
        applied = ledger.Replay(
            Change::Comment(entry.todoId.empty() ? entry.projectId : entry.todoId, entry.note));
    else if (kind == JournalKind::priority || kind == JournalKind::completed)
        applied = ledger.Replay(
            Change::Priority(entry.todoId, static_cast<int32_t>(Numbers(entry.value).front())));
    else if (kind == JournalKind::move)
        applied = ledger.Replay(Change::Move(entry.todoId, entry.value));
    else if (kind == JournalKind::targets)
    {
        std::array<int32_t, 7> targets{};
        const std::vector<int64_t> values = Numbers(entry.value);
        for (size_t day = 0; day < targets.size() && day < values.size(); ++day)
            targets[day] = static_cast<int32_t>(values[day]);
        applied = ledger.Replay(Change::Targets(targets));
    }
    else if (kind == JournalKind::expanded)
    {
        TreeItem* item = entry.todoId.empty()
                             ? static_cast<TreeItem*>(ledger.FindProject(entry.projectId))
                             : ledger.FindTodo(entry.todoId);
        if (item != nullptr)
            item->SetExpanded(entry.value == "1");
        applied = item != nullptr;
    }
    else if (kind == JournalKind::charged)
    {
        const std::vector<int64_t> days = Numbers(entry.value);
        const bool hasDays = days.size() == 2;
        applied = ledger.Replay(Change::Charged(
            entry.balanceSeconds,
            hasDays ? static_cast<int32_t>(days[0]) : account.GetLastChargedDay(),
            hasDays ? static_cast<int32_t>(days[1]) : account.GetLeftUnchargedAfter()));
    }
    else if (kind == JournalKind::open)
        return true;
    else if (kind == JournalKind::progress || kind == JournalKind::session)
        applied = ledger.Replay(sessions.Booked(entry));
    else if (entry.todoSeconds != 0 || entry.projectSeconds != 0 || entry.balanceSeconds != 0)
        applied = ledger.Replay(Change::Time(
            kind.c_str(), entry.todoId, entry.todoId.empty() ? entry.projectId : std::string(),
            entry.todoSeconds, entry.projectSeconds, entry.balanceSeconds));
    return applied;
}

} // namespace

std::vector<std::string> JournalReplay::Into(Tallydene& books,
                                             const std::vector<JournalEntry>& entries)
{
    const auto last =
        std::find_if(entries.rbegin(), entries.rend(),
                     [](const JournalEntry& entry) { return entry.kind == JournalKind::books; });
    auto from = entries.begin();
    if (last != entries.rend())
        from = std::prev(last.base());
    BooksText::Load(books, from != entries.end() && from->kind == JournalKind::books
                               ? from->note
                               : std::string());
    if (from != entries.end() && from->kind == JournalKind::books)
        ++from;
    Sessions sessions;
    std::vector<std::string> refused;
    for (auto entry = from; entry != entries.end(); ++entry)
        if (!ApplyEntry(books, sessions, *entry))
            refused.push_back(entry->Format());
    return refused;
}

std::vector<std::string> JournalReplay::After(Tallydene& books,
                                              const std::vector<JournalEntry>& entries,
                                              const std::string& device, int64_t sequence)
{
    Sessions sessions;
    std::vector<std::string> refused;
    for (const JournalEntry& entry : entries)
    {
        if (entry.device != device)
            continue;
        if (entry.kind == JournalKind::progress)
        {
            // What the books hold of a running session: its progress up to the one included.
            if (entry.sequence <= sequence)
                sessions.Booked(entry);
            continue;
        }
        if (entry.sequence <= sequence)
            continue;
        if (entry.kind == JournalKind::books ? !BooksText::Load(books, entry.note)
                                             : !ApplyEntry(books, sessions, entry))
            refused.push_back(entry.Format());
    }
    return refused;
}
