#include "app/ledger/Ledger.h"

#include "app/MainWindow.h"
#include "app/Options.h"
#include "app/Tallydene.h"
#include "app/clock/DayCharging.h"
#include "app/journal/JournalEntry.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

namespace
{

template <typename T> void AddOnce(std::vector<T*>& items, T* item)
{
    if (item != nullptr && std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
}

template <typename T> void Drop(std::vector<T*>& items, const TreeItem* item)
{
    std::erase_if(items, [item](const T* each) { return each == item; });
}

// The project's place among the others by name, in the list; its index there.
int PlaceInOrder(toolbox::ArrayList<Project>& projects, Project& project)
{
    std::unique_ptr<Project> moved = projects.Remove(&project);
    int position = 0;
    while (position < projects.Count() && CompareProjects(*projects.Get(position), project) <= 0)
        ++position;
    projects.Insert(position, std::move(moved));
    return position;
}

} // namespace

Ledger::Outcome Ledger::Apply(std::vector<Change> changes)
{
    return Run(changes, nullptr, {}).outcome;
}

Ledger::Retraced Ledger::Retrace(const std::vector<Change>& changes, const char* kind,
                                 const std::string& note)
{
    return Run(changes, kind, note);
}

void Ledger::BookClock()
{
    app.BringUpToDate();
}

void Ledger::Book(Todo& todo, int64_t seconds, const std::string& note)
{
    const int64_t balance = app.GetOptions().IsWorkingTimeEnabled() ? seconds : 0;
    Change change = Change::Time(JournalKind::add, todo.GetId(), todo.GetProject()->GetId(),
                                 seconds, seconds, balance);
    change.note = note;
    std::vector<Change> applied;
    ViewWork view;
    ApplyTime(std::move(change), applied, view);
    ShowChanges(view);
    if (applied.empty())
        return;
    const Change& booked = applied.front();
    if (&todo == app.GetActiveTodo())
        app.GetJournal().Book(booked.todoSeconds, booked.projectSeconds, booked.balanceSeconds);
    else
        Journal(booked, nullptr, {});
    app.MarkChanged();
}

void Ledger::Charge(const OvertimeAccount& charged)
{
    OvertimeAccount& account = app.GetOvertimeAccount();
    // When the clock was last read is the clock's own, not a change of the books.
    account.SetLastTimeUpdated(charged.GetLastTimeUpdated());
    std::vector<Change> applied;
    ViewWork view;
    ApplyOne(Change::Charged(charged.GetBalance() - static_cast<int64_t>(account.GetBalance()),
                             charged.GetLastChargedDay(), charged.GetLeftUnchargedAfter()),
             applied, view);
    for (const Change& change : applied)
        Journal(change, nullptr, {});
}

void Ledger::ReplaceBooks(std::string text)
{
    app.Pause();
    app.GetConfig().Parse(text.data());
    app.LoadSettings();
    // The new books' balance is what the user chose: the days since they were saved are not
    // charged again, and the clock goes on from now. Set after loading, so that the account
    // does not take the moved last update for one moved on by another program.
    OvertimeAccount& account = app.GetOvertimeAccount();
    account.SetLastTimeUpdated(app.Now());
    account.SkipDaysUntil(DayCharging::DayOf(app.GetOptions(), app.Now()));
    app.RecheckFirstRun();
    if (MainWindow* window = app.GetMainWindow())
    {
        window->SetDocumentTitle(toolbox::Translation::Tr("Paused"));
        window->SetActiveLook(false);
        window->UpdateMenu();
        window->RebuildTree();
    }
    app.MarkChanged();
    app.BringUpToDate();
    app.JournalBooks();
}

bool Ledger::Replay(const Change& change)
{
    if (Check({change}) != Outcome::Done)
        return false;
    std::vector<Change> applied;
    ViewWork view;
    ApplyOne(change, applied, view);
    ShowChanges(view);
    return true;
}

void Ledger::SetExpanded(TreeItem& item, bool expanded)
{
    if (item.IsExpanded() == expanded)
        return;
    item.SetExpanded(expanded);
    JournalEntry entry;
    entry.kind = JournalKind::expanded;
    entry.value = expanded ? "1" : "0";
    if (item.IsTodo())
    {
        const Todo& todo = static_cast<const Todo&>(item);
        entry.todo = todo.GetName();
        entry.todoId = todo.GetId();
        entry.project = todo.GetProject()->GetName();
        entry.projectId = todo.GetProject()->GetId();
    }
    else
    {
        entry.project = item.GetName();
        entry.projectId = item.GetId();
    }
    app.GetJournal().Record(std::move(entry), app.Now());
    // The flag is saved with the item; a clock update that saves only its bookings would not.
    app.MarkChanged();
}

Ledger::Retraced Ledger::Run(const std::vector<Change>& changes, const char* undoKind,
                             const std::string& note)
{
    Retraced result;
    app.BringUpToDate();
    result.outcome = Check(changes);
    if (result.outcome != Outcome::Done)
        return result;
    ViewWork view;
    for (const Change& change : changes)
    {
        const size_t first = result.applied.size();
        ApplyOne(change, result.applied, view);
        for (size_t i = first; i < result.applied.size(); ++i)
            Journal(result.applied[i], undoKind, note);
    }
    if (!result.applied.empty())
    {
        ShowChanges(view);
        result.shown = Shown(result.applied);
        // A change with no time booked is saved at the end of the command all the same.
        app.MarkChanged();
        if (undoKind == nullptr)
            app.GetUndoHistory().Took(result.applied);
    }
    // The status line and the tooltip show the changed totals.
    app.BringUpToDate();
    return result;
}

// Every item named is there, every new one is not, and the running todo stays; the changes
// before one count, so that a todo can be made in a project made by the same command.
Ledger::Outcome Ledger::Check(const std::vector<Change>& changes) const
{
    std::set<std::string> made;
    std::set<std::string> gone;
    const auto exists = [&](const std::string& id, bool project)
    {
        if (made.contains(id))
            return true;
        if (gone.contains(id))
            return false;
        return project ? FindProject(id) != nullptr
                       : FindTodo(id) != nullptr || FindProject(id) != nullptr;
    };
    const Todo* active = app.GetActiveTodo();
    for (const Change& change : changes)
    {
        using enum Change::Kind;
        bool known = true;
        switch (change.kind)
        {
        case NewProject:
        case NewTodo:
            known = !exists(change.item, false) &&
                    (change.kind == NewProject || exists(change.project, true));
            made.insert(change.item);
            gone.erase(change.item);
            break;
        case DeleteTodo:
            if (active != nullptr && active->GetId() == change.item)
                return Outcome::RunningTodoWouldGo;
            [[fallthrough]];
        case DeleteProject:
            known = exists(change.item, change.kind == DeleteProject);
            // A project goes only once its todos have gone.
            if (const Project* project = FindProject(change.item);
                known && change.kind == DeleteProject && project != nullptr)
                for (const Todo* todo : project->GetTodos())
                    known = known && gone.contains(todo->GetId());
            gone.insert(change.item);
            made.erase(change.item);
            break;
        case Move:
            known = exists(change.item, false) && exists(change.toProject, true);
            break;
        case Time:
            known = (change.item.empty() || exists(change.item, false)) &&
                    (change.project.empty() || exists(change.project, true));
            break;
        case Targets:
        case Charged:
            break;
        default:
            known = exists(change.item, false);
            break;
        }
        if (!known)
            return Outcome::DataDiffers;
    }
    return Outcome::Done;
}

void Ledger::ApplyOne(const Change& change, std::vector<Change>& applied, ViewWork& view)
{
    using enum Change::Kind;
    Change done = change;
    TreeControl* tree = app.GetMainTree();
    switch (change.kind)
    {
    case NewProject:
    {
        auto made = std::make_unique<Project>();
        Project& project = *made;
        project.SetId(change.content.id);
        project.SetName(change.content.name);
        project.SetComment(change.content.comment);
        project.SetTotalTime(static_cast<int32_t>(change.content.time));
        project.SetExpanded(change.content.expanded);
        app.GetProjects().Append(std::move(made));
        index.emplace(project.GetId(), &project);
        AddOnce(view.reorder, &project);
        break;
    }
    case DeleteProject:
    {
        Project* project = FindProject(change.item);
        done.content = ContentOf(*project);
        Forget(*project, view);
        if (tree != nullptr)
            if (const TreeNode node = tree->NodeOf(*project); node != nullptr)
                tree->DeleteNode(node);
        index.erase(change.item);
        app.GetProjects().Delete(project);
        break;
    }
    case NewTodo:
    {
        Project* project = FindProject(change.project);
        auto made = std::make_unique<Todo>(project);
        made->SetId(change.content.id);
        made->SetName(change.content.name);
        made->SetComment(change.content.comment);
        made->SetPriority(change.content.priority);
        made->SetTime(static_cast<int32_t>(change.content.time));
        made->SetExpanded(change.content.expanded);
        index.emplace(made->GetId(), made.get());
        project->GetTodos().Append(std::move(made));
        AddOnce(view.resort, project);
        AddOnce<TreeItem>(view.refresh, project);
        break;
    }
    case DeleteTodo:
    {
        Todo* todo = FindTodo(change.item);
        Project* project = todo->GetProject();
        done.project = project->GetId();
        done.content = ContentOf(*todo);
        Forget(*todo, view);
        if (tree != nullptr)
            if (const TreeNode node = tree->NodeOf(*todo); node != nullptr)
                tree->DeleteNode(node);
        index.erase(change.item);
        project->GetTodos().Delete(todo);
        AddOnce<TreeItem>(view.refresh, project);
        break;
    }
    case Rename:
    case Comment:
    {
        Todo* todo = FindTodo(change.item);
        TreeItem* item = todo;
        Project* project = todo != nullptr ? todo->GetProject() : FindProject(change.item);
        if (todo == nullptr)
            item = project;
        const bool rename = change.kind == Rename;
        done.project = todo != nullptr ? project->GetId() : std::string();
        done.textBefore = rename            ? item->GetName()
                          : todo != nullptr ? todo->GetComment()
                                            : project->GetComment();
        if (done.textBefore == change.textAfter)
            return;
        if (!rename)
        {
            if (todo != nullptr)
                todo->SetComment(change.textAfter);
            else
                project->SetComment(change.textAfter);
            AddOnce(view.refresh, item);
            break;
        }
        item->SetName(change.textAfter);
        if (todo == nullptr)
            AddOnce(view.reorder, project);
        else
            AddOnce(view.resort, project);
        view.title = view.title || item == app.GetActiveTodo();
        break;
    }
    case Priority:
    {
        Todo* todo = FindTodo(change.item);
        done.project = todo->GetProject()->GetId();
        done.numberBefore = todo->GetPriority();
        if (done.numberBefore == change.numberAfter)
            return;
        todo->SetPriority(change.numberAfter);
        AddOnce(view.resort, todo->GetProject());
        break;
    }
    case Move:
    {
        Todo* todo = FindTodo(change.item);
        Project& from = *todo->GetProject();
        Project& to = *FindProject(change.toProject);
        if (&from == &to)
            return;
        // The project the todo joins holds at least its todos' sum at once, as it would after
        // the next load; the project it leaves keeps the time booked there.
        const int64_t lift = std::max<int64_t>(0, static_cast<int64_t>(to.SumOfTodoTimes()) +
                                                      todo->GetTime() - to.GetTotalTime());
        if (lift > 0)
            ApplyTime(Change::Time(JournalKind::total, {}, to.GetId(), 0, lift, 0), applied, view);
        done.project = from.GetId();
        if (tree != nullptr)
            if (const TreeNode node = tree->NodeOf(*todo); node != nullptr)
                tree->DeleteNode(node);
        // The todo itself lives on, so an active todo stays active in its new project.
        to.GetTodos().Append(from.GetTodos().Remove(todo));
        todo->SetProject(&to);
        AddOnce<TreeItem>(view.refresh, &from);
        AddOnce<TreeItem>(view.refresh, &to);
        AddOnce(view.resort, &to);
        break;
    }
    case Time:
        ApplyTime(change, applied, view);
        return;
    case Targets:
    {
        OvertimeAccount& account = app.GetOvertimeAccount();
        for (int weekday = 0; weekday < 7; ++weekday)
        {
            done.targetsBefore[weekday] = account.GetTarget(weekday);
            account.SetTarget(weekday, change.targetsAfter[weekday]);
        }
        if (done.targetsBefore == change.targetsAfter)
            return;
        break;
    }
    case Charged:
    {
        OvertimeAccount& account = app.GetOvertimeAccount();
        const int32_t balance = account.GetBalance();
        done.daysBefore = {account.GetLastChargedDay(), account.GetLeftUnchargedAfter()};
        account.Credit(change.balanceSeconds);
        account.SetChargedDays(change.daysAfter[0], change.daysAfter[1]);
        done.balanceSeconds = account.GetBalance() - static_cast<int64_t>(balance);
        if (done.balanceSeconds == 0 && done.daysBefore == change.daysAfter)
            return;
        break;
    }
    }
    applied.push_back(std::move(done));
}

// What each account really moved is what the change keeps: a todo does not go below zero, a
// project's total not below its todos' sum (set after the todo, so a todo's gain lifts it), and
// no time beyond a duration's range.
void Ledger::ApplyTime(Change change, std::vector<Change>& applied, ViewWork& view)
{
    Todo* todo = change.item.empty() ? nullptr : FindTodo(change.item);
    Project* project = todo != nullptr ? todo->GetProject() : nullptr;
    if (project == nullptr && !change.project.empty())
        project = FindProject(change.project);
    OvertimeAccount& account = app.GetOvertimeAccount();
    if (todo != nullptr)
    {
        const int32_t before = todo->GetTime();
        todo->AddTime(change.todoSeconds);
        change.todoSeconds = todo->GetTime() - static_cast<int64_t>(before);
        AddOnce<TreeItem>(view.refresh, todo);
    }
    if (project != nullptr)
    {
        change.project = project->GetId();
        const int32_t before = project->GetTotalTime();
        project->AddTime(change.projectSeconds);
        change.projectSeconds = project->GetTotalTime() - static_cast<int64_t>(before);
        AddOnce<TreeItem>(view.refresh, project);
    }
    if (change.balanceSet)
    {
        change.balanceSet = false;
        change.balanceSeconds -= account.GetBalance();
    }
    if (change.balanceSeconds != 0)
    {
        const int32_t before = account.GetBalance();
        account.Credit(change.balanceSeconds);
        change.balanceSeconds = account.GetBalance() - static_cast<int64_t>(before);
    }
    // A session moved in the history, or one of no length deleted, is a change without time.
    if (change.todoSeconds != 0 || change.projectSeconds != 0 || change.balanceSeconds != 0 ||
        change.sessionStart != 0)
        applied.push_back(std::move(change));
}

Ledger::CommandView::CommandView(Ledger& ledger) : ledger(ledger)
{
    ++ledger.commandsOpen;
}

Ledger::CommandView::~CommandView()
{
    if (--ledger.commandsOpen == 0)
        ledger.ShowWaiting();
}

void Ledger::Show(TreeItem& item)
{
    if (commandsOpen == 0)
    {
        item.Refresh(app);
        return;
    }
    // Items of an earlier load are gone, and so is their tree.
    if (waitingLoad != app.LoadCount())
        waitingToShow.clear();
    waitingLoad = app.LoadCount();
    AddOnce(waitingToShow, &item);
}

void Ledger::ShowWaiting()
{
    std::vector<TreeItem*> items = std::exchange(waitingToShow, {});
    if (waitingLoad != app.LoadCount())
        return;
    for (TreeItem* item : items)
        item->Refresh(app);
}

void Ledger::Forget(const TreeItem& item, ViewWork& view)
{
    Drop(waitingToShow, &item);
    Drop(view.refresh, &item);
    Drop(view.resort, &item);
    Drop(view.reorder, &item);
}

// Each changed node once: a project that moves among the others is shown anew with its todos,
// a project whose todos may move has them sorted and shown anew, any other item is refreshed.
void Ledger::ShowChanges(const ViewWork& view)
{
    TreeControl* tree = app.GetMainTree();
    auto& projects = app.GetProjects();
    for (Project* project : view.reorder)
    {
        if (tree != nullptr)
            if (const TreeNode node = tree->NodeOf(*project); node != nullptr)
                tree->DeleteNode(node);
        const int position = PlaceInOrder(projects, *project);
        if (tree != nullptr)
        {
            const int image = project->GetImage(app);
            tree->InsertNodeAt(nullptr, static_cast<size_t>(position), project->GetLabel(app),
                               image, image, project->GetStateImage(), project->IsExpanded(),
                               project);
        }
    }
    std::vector<Project*> resort = view.resort;
    for (Project* project : view.reorder)
        AddOnce(resort, project);
    for (Project* project : resort)
        project->ResortTodos(app);
    for (TreeItem* item : view.refresh)
    {
        const bool shownAnew =
            item->IsTodo() && std::find(resort.begin(), resort.end(),
                                        static_cast<Todo*>(item)->GetProject()) != resort.end();
        const bool inserted =
            item->IsProject() &&
            std::find(view.reorder.begin(), view.reorder.end(), item) != view.reorder.end();
        if (!shownAnew && !inserted)
            Show(*item);
    }
    if (view.title)
        if (MainWindow* window = app.GetMainWindow(); window != nullptr && app.GetActiveTodo())
            window->SetDocumentTitle(app.GetActiveTodo()->GetName());
}

// Every change is one entry with the ids it concerns; undo and redo write the times they moved
// under their own kind, the balance apart, and what they did to items under the items' kinds.
void Ledger::Journal(const Change& change, const char* undoKind, const std::string& note) const
{
    using enum Change::Kind;
    const Todo* todo = change.item.empty() ? nullptr : FindTodo(change.item);
    const Project* project = change.project.empty() ? nullptr : FindProject(change.project);
    if (project == nullptr && change.kind != Time && !change.IsOnTodo())
        project = FindProject(change.item);
    JournalEntry entry;
    entry.project = project != nullptr ? project->GetName() : std::string();
    entry.todo = todo != nullptr ? todo->GetName() : std::string();
    entry.todoId = change.IsOnTodo() ? change.item : std::string();
    entry.projectId = change.IsOnTodo() || change.kind == Time ? change.project : change.item;
    const ItemContent& content = change.content;
    switch (change.kind)
    {
    case NewProject:
    case DeleteProject:
    {
        const bool made = change.kind == NewProject;
        entry.kind = made ? JournalKind::newProject : JournalKind::deleteProject;
        entry.project = content.name;
        entry.projectSeconds = made ? content.time : -content.time;
        entry.note = content.comment;
        entry.value = content.expanded ? "1" : "0";
        break;
    }
    case NewTodo:
    case DeleteTodo:
    {
        const bool made = change.kind == NewTodo;
        entry.kind = made ? JournalKind::newTodo : JournalKind::deleteTodo;
        entry.todo = content.name;
        entry.todoSeconds = made ? content.time : -content.time;
        entry.note = content.comment;
        entry.value = std::to_string(content.priority) + (content.expanded ? ",1" : ",0");
        break;
    }
    case Rename:
        entry.kind = JournalKind::rename;
        (todo != nullptr ? entry.todo : entry.project) = change.textBefore;
        entry.note = change.textAfter;
        break;
    case Comment:
        entry.kind = JournalKind::comment;
        entry.note = change.textAfter;
        break;
    case Priority:
        entry.kind = change.numberAfter == kPriorityCompleted ? JournalKind::completed
                                                              : JournalKind::priority;
        entry.value = std::to_string(change.numberAfter);
        break;
    case Move:
        entry.kind = JournalKind::move;
        entry.note = FindProject(change.toProject)->GetName();
        entry.value = change.toProject;
        break;
    case Targets:
        entry.kind = JournalKind::targets;
        for (int32_t target : change.targetsAfter)
            entry.value += (entry.value.empty() ? "" : ",") + std::to_string(target);
        break;
    case Charged:
        entry.kind = JournalKind::charged;
        entry.balanceSeconds = change.balanceSeconds;
        // The days after, then before: machines that share the books charge each day once.
        entry.value = std::to_string(change.daysAfter[0]) + ',' +
                      std::to_string(change.daysAfter[1]) + ',' +
                      std::to_string(change.daysBefore[0]) + ',' +
                      std::to_string(change.daysBefore[1]);
        break;
    case Time:
        entry.todoSeconds = change.todoSeconds;
        entry.projectSeconds = change.projectSeconds;
        entry.balanceSeconds = change.balanceSeconds;
        entry.kind = undoKind != nullptr ? undoKind : change.journalKind;
        entry.note = undoKind != nullptr ? note : change.note;
        if (change.sessionStart != 0)
        {
            // A session of the history keeps its own times; undo and redo say what they do to
            // it, as the value: the kind of change and the session's start before.
            entry.start = change.sessionStart;
            entry.end = change.sessionEnd;
            if (undoKind != nullptr)
                entry.value = std::string(change.journalKind) +
                              (change.note.empty() ? "" : "," + change.note);
            app.GetJournal().Append(std::move(entry));
            return;
        }
        break;
    }
    SessionJournal& journal = app.GetJournal();
    const int32_t now = app.Now();
    if (change.kind != Time || undoKind == nullptr || change.balanceSeconds == 0)
    {
        journal.Record(std::move(entry), now);
        return;
    }
    // Undo's balance on a line of its own.
    JournalEntry balance = entry;
    balance.todoSeconds = balance.projectSeconds = 0;
    balance.project = balance.todo = balance.todoId = balance.projectId = {};
    entry.balanceSeconds = 0;
    if (entry.todoSeconds != 0 || entry.projectSeconds != 0)
        journal.Record(std::move(entry), now);
    journal.Record(std::move(balance), now);
}

// The first todo made, moved or changed; else the first project changed, which is where a
// deleted todo was.
TreeItem* Ledger::Shown(const std::vector<Change>& applied) const
{
    for (const Change& change : applied)
        if (change.IsOnTodo())
            if (Todo* todo = FindTodo(change.item))
                return todo;
    for (const Change& change : applied)
    {
        if (Project* project = FindProject(change.project))
            return project;
        if (Project* project = FindProject(change.item))
            return project;
    }
    return nullptr;
}

void Ledger::SetWorkingTimeEnabled(bool enabled)
{
    Options& options = app.GetOptions();
    if (options.IsWorkingTimeEnabled() == enabled)
        return;
    options.SetWorkingTimeEnabled(enabled);
    JournalOption(settings::kWorkingTime.key, enabled);
}

void Ledger::SetDaysLocal(bool local)
{
    Options& options = app.GetOptions();
    if (options.AreDaysLocal() == local)
        return;
    options.SetDaysLocal(local);
    JournalOption(settings::kDaysLocal.key, local);
}

void Ledger::JournalOption(const char* key, bool value) const
{
    JournalEntry entry;
    entry.kind = JournalKind::option;
    entry.note = key;
    entry.value = value ? "1" : "0";
    app.GetJournal().Record(std::move(entry), app.Now());
}

Project* Ledger::FindProject(const std::string& id) const
{
    TreeItem* item = Find(id);
    return item != nullptr && item->IsProject() ? static_cast<Project*>(item) : nullptr;
}

Todo* Ledger::FindTodo(const std::string& id) const
{
    TreeItem* item = Find(id);
    return item != nullptr && item->IsTodo() ? static_cast<Todo*>(item) : nullptr;
}

TreeItem* Ledger::Find(const std::string& id) const
{
    if (id.empty())
        return nullptr;
    if (indexedLoad != app.LoadCount())
        MakeIndex();
    if (const auto found = index.find(id); found != index.end() && found->second->GetId() == id)
        return found->second;
    // Not there at all, unless it was made since the index was, other than by the ledger.
    if (CountItems() == index.size())
        return nullptr;
    MakeIndex();
    const auto found = index.find(id);
    return found != index.end() ? found->second : nullptr;
}

size_t Ledger::CountItems() const
{
    size_t count = 0;
    for (const Project* project : app.GetProjects())
        count += 1 + static_cast<size_t>(project->GetTodos().Count());
    return count;
}

void Ledger::MakeIndex() const
{
    index.clear();
    for (Project* project : app.GetProjects())
    {
        index.emplace(project->GetId(), project);
        for (Todo* todo : project->GetTodos())
            index.emplace(todo->GetId(), todo);
    }
    indexedLoad = app.LoadCount();
}

ItemContent Ledger::ContentOf(const Todo& todo)
{
    return {todo.GetId(),       todo.GetName(), todo.GetComment(),
            todo.GetPriority(), todo.GetTime(), todo.IsExpanded()};
}

ItemContent Ledger::ContentOf(const Project& project)
{
    return {project.GetId(),        project.GetName(),   project.GetComment(), 2,
            project.GetTotalTime(), project.IsExpanded()};
}
