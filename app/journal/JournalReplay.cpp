#include "app/journal/JournalReplay.h"

#include "app/Options.h"
#include "app/Tallydene.h"
#include "app/journal/BooksText.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
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
        const std::string key =
            entry.device + ' ' + std::to_string(entry.start) + ' ' + entry.todoId;
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
    else if (kind == JournalKind::option)
    {
        const bool on = entry.value == "1";
        if (entry.note == settings::kWorkingTime.key)
            books.GetOptions().SetWorkingTimeEnabled(on);
        else if (entry.note == settings::kDaysLocal.key)
            books.GetOptions().SetDaysLocal(on);
    }
    else if (kind == JournalKind::charged)
    {
        const std::vector<int64_t> days = Numbers(entry.value);
        const bool hasDays = days.size() >= 2;
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

// What a day charging did, when several machines charge the same days: each day once. Days up
// to the books' last charged day were charged already, by whichever machine came first; of an
// entry that reaches further, the days after it are charged by the targets the books hold.
bool ApplyCharged(Tallydene& books, Sessions& sessions, const JournalEntry& entry)
{
    const std::vector<int64_t> days = Numbers(entry.value);
    if (days.size() < 2)
        return ApplyEntry(books, sessions, entry);
    OvertimeAccount& account = books.GetOvertimeAccount();
    const int32_t charged = account.GetLastChargedDay();
    const auto after = static_cast<int32_t>(days[0]);
    const auto leftUncharged = static_cast<int32_t>(days[1]);
    if (after <= charged)
        return true;
    int64_t balance = entry.balanceSeconds;
    const bool startsLater = days.size() >= 4 && days[2] >= charged;
    if (!startsLater && balance != 0)
    {
        OvertimeAccount rest = account;
        rest.ChargeDaysUntil(after);
        balance = rest.GetBalance() - static_cast<int64_t>(account.GetBalance());
    }
    return books.GetLedger().Replay(Change::Charged(balance, after, leftUncharged));
}

// Time an entry moved on an item that another machine has deleted meanwhile still counts where
// it can: on the project when that is still there, and on the balance.
bool ApplyToWhatRemains(Tallydene& books, const std::string& projectId, int64_t projectSeconds,
                        int64_t balanceSeconds)
{
    Ledger& ledger = books.GetLedger();
    const bool projectLeft = ledger.FindProject(projectId) != nullptr;
    if (!projectLeft && balanceSeconds == 0)
        return false;
    return ledger.Replay(Change::Time(JournalKind::add, {}, projectLeft ? projectId : "", 0,
                                      projectLeft ? projectSeconds : 0, balanceSeconds));
}

// Items that ended with the same name on two machines are told apart: the later of each name
// (by id, which every machine sees alike) gets " (2)", " (3)" and so on.
void TellApartEqualNames(Tallydene& books)
{
    const auto tellApart = [](std::vector<TreeItem*> items)
    {
        std::sort(items.begin(), items.end(),
                  [](const TreeItem* a, const TreeItem* b) { return a->GetId() < b->GetId(); });
        std::set<std::string> taken;
        for (const TreeItem* item : items)
            taken.insert(item->GetName());
        std::set<std::string> seen;
        for (TreeItem* item : items)
        {
            if (seen.insert(item->GetName()).second)
                continue;
            std::string name;
            for (int number = 2; name.empty() || taken.contains(name); ++number)
                name = item->GetName() + " (" + std::to_string(number) + ")";
            taken.insert(name);
            seen.insert(name);
            item->SetName(name);
        }
    };
    std::vector<TreeItem*> projects;
    for (Project* project : books.GetProjects())
    {
        projects.push_back(project);
        std::vector<TreeItem*> todos;
        for (Todo* todo : project->GetTodos())
            todos.push_back(todo);
        tellApart(std::move(todos));
    }
    tellApart(std::move(projects));
}

} // namespace

void JournalReplay::SortByStamp(std::vector<JournalEntry>& entries)
{
    const auto key = [](const JournalEntry& entry)
    { return HybridClock::Stamp::Parse(entry.stamp).value_or(HybridClock::Stamp{}); };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const JournalEntry& a, const JournalEntry& b)
                     {
                         const auto stampA = key(a);
                         const auto stampB = key(b);
                         if (stampA != stampB)
                             return stampA < stampB;
                         if (a.device != b.device)
                             return a.device < b.device;
                         return a.sequence < b.sequence;
                     });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const JournalEntry& a, const JournalEntry& b)
                              { return a.device == b.device && a.sequence == b.sequence; }),
                  entries.end());
}

std::vector<std::string> JournalReplay::Fold(Tallydene& books, const std::string& startingBooks,
                                             std::vector<JournalEntry> entries)
{
    SortByStamp(entries);
    BooksText::Load(books, startingBooks);
    Sessions sessions;
    std::vector<std::string> refused;
    for (const JournalEntry& entry : entries)
    {
        bool applied = true;
        if (entry.kind == JournalKind::books)
            applied = BooksText::Load(books, entry.note);
        else if (entry.kind == JournalKind::charged)
            applied = ApplyCharged(books, sessions, entry);
        else if (entry.kind == JournalKind::progress || entry.kind == JournalKind::session)
        {
            const Change booked = sessions.Booked(entry);
            applied = books.GetLedger().Replay(booked) ||
                      ApplyToWhatRemains(books, entry.projectId, booked.projectSeconds,
                                         booked.balanceSeconds);
        }
        else if (!ApplyEntry(books, sessions, entry))
            applied = entry.MovesTime() && ApplyToWhatRemains(books, entry.projectId,
                                                              entry.projectSeconds,
                                                              entry.balanceSeconds);
        if (!applied)
            refused.push_back(entry.Format());
    }
    TellApartEqualNames(books);
    return refused;
}

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
