#include "app/forms/TransferTimeForm.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/forms/ReadDurationField.h"
#include "app/journal/JournalEntry.h"
#include "app/ledger/Ledger.h"
#include "model/FillTree.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "model/TreeControl.h"
#include "toolbox/Translation.h"

#include <utility>

namespace
{

Todo* AsTodo(TreeItem* item)
{
    return item != nullptr && item->IsTodo() ? static_cast<Todo*>(item) : nullptr;
}

} // namespace

TransferTimeForm::TransferTimeForm(Tallydene& app, Todo*& from, Todo*& to, bool simple)
    : app(app), from(from), to(to), simple(simple)
{
}

void TransferTimeForm::Open()
{
    allTheTime = false;
    amount.clear();
    hint = app.GetDurations().DurationHint();
    adjustProjects = true;
    fromChoice = from;
    toChoice = to;
}

void TransferTimeForm::FillSelector(TreeControl& selector, Todo* preselect) const
{
    // A fresh start: a selection left from an earlier fill is not kept.
    selector.DeleteAllNodes();
    FillTree(selector, app.GetProjects(), app);
    if (preselect != nullptr)
        selector.SelectNode(selector.NodeOf(*preselect));
}

void TransferTimeForm::FillSelectors(TreeControl& fromSelector, TreeControl& toSelector) const
{
    FillSelector(fromSelector, from);
    FillSelector(toSelector, to);
}

FormResult TransferTimeForm::Confirm(Prompts& prompts)
{
    if (!simple)
    {
        from = AsTodo(fromChoice);
        to = AsTodo(toChoice);
    }
    // A running todo is compared and moved with the time it has up to now.
    app.GetLedger().BookClock();
    if (from == nullptr || to == nullptr)
    {
        prompts.Refuse(toolbox::Translation::Tr("Please select a todo in both selectors."));
        return FormResult::Refuse(FormField::Amount);
    }
    const std::optional<int64_t> moved = AmountToMove(prompts);
    if (!moved)
        return FormResult::Refuse(FormField::Amount);
    Move(*moved);
    return FormResult::Accept();
}

std::optional<int64_t> TransferTimeForm::AmountToMove(Prompts& prompts) const
{
    int64_t moved = from->GetTime();
    if (!allTheTime)
    {
        const std::optional<int32_t> typed =
            ReadDurationField(app, prompts, amount, EmptyField::Refused);
        if (!typed)
            return std::nullopt;
        moved = *typed;
    }
    if (from->GetTime() < moved)
    {
        if (!prompts.Ask(toolbox::Translation::Tr(
                             "The from todo does not have that much time.\nTransfer all its time?"),
                         Prompts::QuestionIcon::Warning))
            return std::nullopt;
        moved = from->GetTime();
    }
    // A negative amount moves time back from the to todo, and never more than it has: the
    // time worked stays what it was, only who it is booked on changes.
    if (moved < 0 && to->GetTime() < -moved)
        moved = -static_cast<int64_t>(to->GetTime());
    return moved;
}

void TransferTimeForm::Move(int64_t moved)
{
    // Within one project only the todos change; its total stays. Where the totals are not
    // moved, the to todo's project still rises to its todos' sum.
    const int64_t totalsMoved =
        adjustProjects && from->GetProject() != to->GetProject() ? moved : 0;
    Change fromChange =
        Change::Time(JournalKind::transfer, from->GetId(), {}, -moved, -totalsMoved, 0);
    Change toChange = Change::Time(JournalKind::transfer, to->GetId(), {}, moved, totalsMoved, 0);
    // The todo that loses time goes first, so that a project of both todos is not lifted by a
    // gain that the loss then takes back; undo keeps that order, taking the changes back in
    // reverse.
    if (moved < 0)
        std::swap(fromChange, toChange);
    app.GetLedger().Apply({std::move(fromChange), std::move(toChange)});
}
