#pragma once

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/AppCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/forms/AddTimeForm.h"
#include "app/forms/AwayTimeForm.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/OptionsForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/TransferTimeForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/RebuildingMainWindow.h"

#include <functional>

#include <iterator>
#include <random>
#include <string>
#include <vector>

// Questions answered by a coin; refusals only counted.
class CoinPrompts : public Prompts
{
public:
    explicit CoinPrompts(std::mt19937& random) : random(random) {}
    void Refuse(const std::string&) override {}
    bool Ask(const std::string&, QuestionIcon) override { return random() % 2 == 0; }
    bool AskBeforeDestroying(const std::string&) override { return random() % 2 == 0; }
    void Inform(const std::string&) override {}

private:
    std::mt19937& random;
};

// Dialogs a user fills at random: amounts that are durations or not, any boxes, any todos in
// the selectors, and OK. A refused form is then cancelled. What the last time dialog applied
// is kept for the test to check the accounts against.
class RandomDialogs : public Dialogs
{
public:
    RandomDialogs(Tallydene& app, Prompts& prompts, std::mt19937& random)
        : app(app), prompts(prompts), random(random)
    {
    }

    bool Show(AddTimeForm& form) override { return ChangeTime(form); }
    bool Show(RemoveTimeForm& form) override { return ChangeTime(form); }

    bool Show(TransferTimeForm& form) override
    {
        form.Open();
        if (!form.IsSimple())
        {
            form.fromChoice = AnyTodo();
            form.toChoice = AnyTodo();
        }
        form.amount = AnyAmount();
        form.allTheTime = Coin();
        adjustProjects = form.adjustProjects = Coin();
        accepted = form.Confirm(prompts).accepted;
        return accepted;
    }

    bool Show(TodoForm& form) override
    {
        form.Open();
        form.name = "Todo " + std::to_string(++created);
        form.priority = static_cast<int32_t>(random() % 6);
        return form.Confirm(prompts).accepted;
    }

    bool Show(CleanUpForm& form) override
    {
        form.Open();
        form.zeroClocks = Coin();
        form.deleteCompleted = Coin();
        return form.Confirm(prompts).accepted;
    }

    bool Show(ProjectForm&) override { return false; }
    bool Show(RestoreForm&) override { return false; }
    bool Show(HistoryForm&) override { return false; }
    bool Show(ReportForm&) override { return false; }
    // The options of the books: whether the working-time account is on, how days end.
    bool Show(OptionsForm& form) override
    {
        form.Open();
        form.workingTimeEnabled = random() % 4 != 0;
        form.daysLocal = Coin();
        return form.Confirm(prompts).accepted;
    }
    bool Show(WorkingTimeForm&) override { return false; }
    bool Show(AwayTimeForm&) override { return false; }

    Todo* AnyTodo()
    {
        std::vector<Todo*> todos;
        for (Project* project : app.GetProjects())
            for (Todo* todo : project->GetTodos())
                todos.push_back(todo);
        return todos.empty() ? nullptr : todos[random() % todos.size()];
    }

    bool Coin() { return random() % 2 == 0; }

    // What the last time dialog was answered with, and whether it applied it.
    bool accepted = false;
    bool adjustProject = false;
    bool adjustOvertime = false;
    bool adjustProjects = false;

protected:
    bool ChangeTime(TimeChangeForm& form)
    {
        form.Open();
        form.amount = AnyAmount();
        adjustProject = form.adjustProject = Coin();
        adjustOvertime = form.adjustOvertime = Coin();
        accepted = form.Confirm(prompts).accepted;
        return accepted;
    }

    std::string AnyAmount()
    {
        static const char* const amounts[] = {"1",   "0,5", "2:30", "-1",  "-0:45", "12.25", "0",
                                              "-30", "7",   "30m",  "abc", "",      "1,5,7"};
        return amounts[random() % std::size(amounts)];
    }

    Tallydene& app;
    Prompts& prompts;
    std::mt19937& random;
    int created = 0;
};

// The random user's dialogs, and the ones it leaves alone there: project properties, working
// hours and the away question.
class AnyDialogs : public RandomDialogs
{
public:
    using RandomDialogs::RandomDialogs;

    bool Show(ProjectForm& form) override
    {
        form.Open();
        if (Coin())
            form.name = "Project " + std::to_string(++renamed);
        form.comment = Coin() ? "note" : "";
        form.totalTime = AnyAmount();
        return form.Confirm(prompts).accepted;
    }

    bool Show(WorkingTimeForm& form) override
    {
        form.Open();
        form.overtime = AnyAmount();
        form.targets[random() % 7] = AnyAmount();
        return form.Confirm(prompts).accepted;
    }

    bool Show(AwayTimeForm& form) override
    {
        form.Open();
        form.answer = static_cast<AwayTimeForm::Answer>(random() % 3);
        return form.Confirm(prompts).accepted;
    }

private:
    int renamed = 0;
};

// Random steps of every kind on a running program: commands of the view and of the application
// on a random selection, drops, time passing (some of it asleep) with the away question, and
// undo and redo.
class RandomSteps
{
public:
    using PassTime = std::function<void(long long seconds, bool asleep)>;

    RandomSteps(Tallydene& app, RebuildingMainWindow& view, Prompts& prompts,
                std::mt19937& random, PassTime passTime)
        : app(app), view(view), random(random), passTime(std::move(passTime)),
          dialogs(app, prompts, random), commands(app, prompts, dialogs),
          appCommands(app, prompts, dialogs)
    {
    }

    // One step; lastCase is the sixth kind of step (by default, undo and redo).
    void Step(const std::function<void()>& lastCase = {})
    {
        using namespace res;
        static constexpr int kHour = 3600;
        static constexpr int viewCommands[] = {
            ID_TODO_ADD_TIME,   ID_TODO_REMOVE_TIME, ID_TODO_TRANSFER_TIME, ID_TODO_ZERO_TIME,
            ID_TODO_DELETE,     ID_TODO_NEW,         ID_TODO_PROPERTIES,    ID_TODO_COMPLETED,
            ID_TODO_PRIORITY_1, ID_ITEM_ACTIVATE,    ID_TODO_PAUSE,         ID_PROJECT_PROPERTIES,
            ID_ITEM_DELETE,     ID_EDIT_UNDO,        ID_EDIT_REDO};
        static constexpr int appCommandIds[] = {ID_TOOLS_CLEAN_UP,         ID_PROJECT_NEW,
                                                ID_OVERTIME_ZERO,          ID_OVERTIME_WORKING_HOURS,
                                                ID_EDIT_UNDO,              ID_EDIT_REDO,
                                                ID_TOOLS_OPTIONS};
        if (Todo* todo = dialogs.AnyTodo(); todo != nullptr && random() % 4 != 0)
            view.tree.SelectNode(view.tree.NodeOf(*todo));
        else if (app.GetProjects().Count() > 0)
            view.tree.SelectNode(view.tree.NodeOf(
                *app.GetProjects().Get(static_cast<int>(random() % app.GetProjects().Count()))));
        switch (random() % 6)
        {
        case 0:
        case 1:
            commands.Execute(viewCommands[random() % std::size(viewCommands)]);
            break;
        case 2:
            appCommands.Execute(appCommandIds[random() % std::size(appCommandIds)]);
            break;
        case 3:
            if (Todo* todo = dialogs.AnyTodo(); todo != nullptr && app.GetProjects().Count())
            {
                TreeItem* target = dialogs.Coin() ? static_cast<TreeItem*>(dialogs.AnyTodo())
                                                  : app.GetProjects().Get(static_cast<int>(
                                                        random() % app.GetProjects().Count()));
                commands.DropOnItem(*todo, target);
            }
            break;
        case 4:
            // Time passes, some of it asleep: the days charge, the away question comes.
            if (dialogs.Coin())
                passTime(static_cast<long long>(random() % (6 * kHour)), false);
            else
                passTime(static_cast<long long>(random() % (20 * kHour)), true);
            app.UpdateTime();
            AwayTimeForm::Ask(app, dialogs);
            app.FinishCommand();
            break;
        default:
            if (lastCase)
                lastCase();
            else
                UndoAndRedo();
            break;
        }
    }

    void UndoAndRedo()
    {
        appCommands.Execute(res::ID_EDIT_UNDO);
        appCommands.Execute(res::ID_EDIT_REDO);
    }

    Tallydene& app;
    RebuildingMainWindow& view;
    std::mt19937& random;
    PassTime passTime;
    AnyDialogs dialogs;
    ViewCommands commands;
    AppCommands appCommands;
};
