#include "app/ledger/UndoHistory.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/Command.h"
#include "app/commands/CommandContext.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <utility>

namespace
{

using toolbox::Translation;

std::string NameOf(const UndoStep* step)
{
    if (step == nullptr)
        return {};
    std::string name = Translation::Tr(step->commandName);
    if (!step->subject.empty())
        name += " '" + step->subject + "'";
    return name;
}

} // namespace

void UndoHistory::Run(const Command& command, CommandContext& context)
{
    if (!command.IsOneStep())
        command.run(context);
    else
        Record(context.app, command.name, [&] { command.run(context); });
}

void UndoHistory::Record(Tallydene& app, const char* name, const std::function<void()>& change)
{
    recording.emplace(Recording{name, {}, {}});
    change();
    // Empty when the data was loaded anew meanwhile.
    std::optional<Recording> done = std::exchange(recording, std::nullopt);
    if (!done || done->changes.empty())
        return;
    std::string line = done->lines.size() == 1 ? done->lines.front() : std::string(done->name);
    std::string subject = SubjectOf(app, done->changes);
    undoSteps.push_back(
        {done->name, std::move(line), std::move(subject), std::move(done->changes)});
    if (undoSteps.size() > kStepsKept)
        undoSteps.pop_front();
    redoSteps.clear();
}

void UndoHistory::NameStep(const char* name)
{
    if (recording)
        recording->name = name;
}

void UndoHistory::Took(const std::vector<Change>& applied)
{
    if (recording)
        recording->changes.insert(recording->changes.end(), applied.begin(), applied.end());
}

void UndoHistory::Logged(const std::string& message, const std::string* detail)
{
    if (recording)
        recording->lines.push_back(detail != nullptr ? message + ": " + *detail : message);
}

void UndoHistory::Clear()
{
    undoSteps.clear();
    redoSteps.clear();
    recording.reset();
}

const UndoStep* UndoHistory::NextUndo() const
{
    return undoSteps.empty() ? nullptr : &undoSteps.back();
}

const UndoStep* UndoHistory::NextRedo() const
{
    return redoSteps.empty() ? nullptr : &redoSteps.back();
}

std::string UndoHistory::NextUndoName() const
{
    return NameOf(NextUndo());
}

std::string UndoHistory::NextRedoName() const
{
    return NameOf(NextRedo());
}

void UndoHistory::Undo(CommandContext& context)
{
    Take(context, Way::Back);
}

void UndoHistory::Redo(CommandContext& context)
{
    Take(context, Way::Forth);
}

void UndoHistory::Take(CommandContext& context, Way way)
{
    const bool back = way == Way::Back;
    if ((back ? NextUndo() : NextRedo()) == nullptr)
        return;
    Tallydene& app = context.app;
    const UndoStep& step = back ? undoSteps.back() : redoSteps.back();
    const std::string line = (back ? "Undone: " : "Redone: ") + step.logLine;
    std::vector<Change> changes;
    if (back)
        for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
            changes.push_back(change->Inverse());
    else
        changes = step.changes;
    Ledger::Retraced taken =
        app.GetLedger().Retrace(changes, back ? JournalKind::undo : JournalKind::redo, line);
    switch (taken.outcome)
    {
    case Ledger::Outcome::RunningTodoWouldGo:
        context.prompts.Refuse(Translation::Tr("Please pause first."));
        return;
    case Ledger::Outcome::DataDiffers:
        Clear();
        context.prompts.Refuse(
            Translation::Tr("The data has changed in the meantime; the steps cannot be undone."));
        return;
    case Ledger::Outcome::Done:
        break;
    }
    app.LogEvent(line);
    if (MainWindow* window = app.GetMainWindow())
    {
        if (taken.shown != nullptr)
            context.Select(*taken.shown);
        window->FocusTree();
    }
    // The step as it now stands: what was really moved this time, forwards.
    UndoStep moved{step.commandName, step.logLine, step.subject, {}};
    if (back)
        for (auto change = taken.applied.rbegin(); change != taken.applied.rend(); ++change)
            moved.changes.push_back(change->Inverse());
    else
        moved.changes = std::move(taken.applied);
    std::deque<UndoStep>& from = back ? undoSteps : redoSteps;
    std::deque<UndoStep>& to = back ? redoSteps : undoSteps;
    from.pop_back();
    to.push_back(std::move(moved));
}

std::string UndoHistory::SubjectOf(const Tallydene& app, const std::vector<Change>& changes) const
{
    std::vector<std::string> todos;
    std::vector<std::string> projects;
    std::string todoName;
    std::string projectName;
    const Ledger& ledger = app.GetLedger();
    const auto touch = [&](std::vector<std::string>& ids, std::string& name, const std::string& id,
                           const TreeItem* live, const std::string& gone)
    {
        if (id.empty())
            return;
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
        name = live != nullptr ? live->GetName() : gone;
    };
    for (const Change& change : changes)
    {
        const bool deleted =
            change.kind == Change::Kind::DeleteTodo || change.kind == Change::Kind::DeleteProject;
        const std::string gone = deleted ? change.content.name : std::string();
        if (change.IsOnTodo())
        {
            touch(todos, todoName, change.item, ledger.FindTodo(change.item), gone);
            touch(projects, projectName, change.project, ledger.FindProject(change.project), {});
        }
        else
        {
            touch(projects, projectName, change.item.empty() ? change.project : change.item,
                  ledger.FindProject(change.item.empty() ? change.project : change.item), gone);
        }
        if (change.kind == Change::Kind::Move)
            touch(projects, projectName, change.toProject, ledger.FindProject(change.toProject),
                  {});
    }
    if (todos.size() == 1)
        return todoName;
    return projects.size() == 1 ? projectName : std::string();
}
