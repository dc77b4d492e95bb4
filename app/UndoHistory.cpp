#include "app/UndoHistory.h"

#include "app/Command.h"
#include "app/CommandContext.h"
#include "app/JournalEntry.h"
#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/StateChange.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <utility>

namespace
{

using toolbox::Translation;

// Undo and redo are no steps themselves. The history window records each of its corrections
// as a step of its own.
constexpr int kNoSteps[] = {res::ID_EDIT_UNDO, res::ID_EDIT_REDO, res::ID_VIEW_HISTORY};

std::string NameOf(const UndoStep* step)
{
    if (step == nullptr)
        return {};
    std::string name = Translation::Tr(step->CommandName());
    if (!step->Subject().empty())
        name += " '" + step->Subject() + "'";
    return name;
}

} // namespace

void UndoHistory::Run(const Command& command, CommandContext& context)
{
    if (!command.ChangesData() || std::ranges::find(kNoSteps, command.id) != std::end(kNoSteps))
        command.run(context);
    else
        Record(context.app, command.name, [&] { command.run(context); });
}

void UndoHistory::Record(Tallydene& app, const char* name, const std::function<void()>& change)
{
    recording.emplace(Recording{name, DataState::Of(app), {}, 0, {}});
    change();
    // Empty when the data was loaded anew meanwhile.
    std::optional<Recording> done = std::exchange(recording, std::nullopt);
    if (!done)
        return;
    DataState after = DataState::Of(app);
    after.LeaveOut(done->booked, done->bookedBalance);
    if (after == done->before)
        return;
    std::string line = done->lines.size() == 1 ? done->lines.front() : std::string(done->name);
    undoSteps.emplace_back(done->name, std::move(line), std::move(done->before), std::move(after));
    if (undoSteps.size() > kStepsKept)
        undoSteps.pop_front();
    redoSteps.clear();
}

void UndoHistory::NameStep(const char* name)
{
    if (recording)
        recording->name = name;
}

void UndoHistory::Booked(const Todo& todo, int64_t todoSeconds, int64_t projectSeconds)
{
    if (!recording)
        return;
    recording->booked[&todo] += todoSeconds;
    recording->booked[todo.GetProject()] += projectSeconds;
}

void UndoHistory::BookedOnBalance(int64_t seconds)
{
    if (recording)
        recording->bookedBalance += seconds;
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
    app.BringUpToDate();
    const UndoStep& step = back ? undoSteps.back() : redoSteps.back();
    const std::string line = (back ? "Undone: " : "Redone: ") + step.LogLine();
    StateChange change(app, back ? step.After() : step.Before(),
                       back ? step.Before() : step.After(),
                       back ? step.ToAfter() : step.ToBefore());
    switch (change.Apply(back ? JournalKind::undo : JournalKind::redo, line))
    {
    case StateChange::Outcome::RunningTodoWouldGo:
        context.prompts.Refuse(Translation::Tr("Please pause first."));
        return;
    case StateChange::Outcome::DataDiffers:
        Clear();
        context.prompts.Refuse(
            Translation::Tr("The data has changed in the meantime; the steps cannot be undone."));
        return;
    case StateChange::Outcome::Done:
        break;
    }
    app.LogEvent(line);
    if (MainWindow* window = app.GetMainWindow())
    {
        window->RebuildTree();
        if (change.Shown() != nullptr)
            context.Select(*change.Shown());
        if (const Todo* active = app.GetActiveTodo())
            window->SetDocumentTitle(active->GetName());
        window->FocusTree();
    }
    app.BringUpToDate();
    // Last: the change reads the step until here.
    std::deque<UndoStep>& from = back ? undoSteps : redoSteps;
    std::deque<UndoStep>& to = back ? redoSteps : undoSteps;
    to.push_back(std::move(from.back()));
    from.pop_back();
}
