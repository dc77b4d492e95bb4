#pragma once

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/forms/AddTimeForm.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "model/Todo.h"

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
    bool Show(OptionsForm&) override { return false; }
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
