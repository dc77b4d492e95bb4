#include "app/Prompts.h"
#include "app/commands/AppCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/forms/AddTimeForm.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/Dialogs.h"
#include "app/forms/RemoveTimeForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/AppScenario.h"
#include "tests/app/RandomUser.h"
#include "tests/app/RebuildingMainWindow.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace res;

namespace
{

// What the books hold: each project's total and its todos' sum, and the balance.
struct Accounts
{
    std::map<const Project*, std::pair<int64_t, int64_t>> projects;
    int64_t todos = 0;
    int64_t totals = 0;
    int64_t balance = 0;

    explicit Accounts(const Tallydene& app) : balance(app.GetOvertimeAccount().GetBalance())
    {
        for (const Project* project : app.GetProjects())
        {
            projects[project] = {project->GetTotalTime(), project->SumOfTodoTimes()};
            todos += project->SumOfTodoTimes();
            totals += project->GetTotalTime();
        }
    }
};

} // namespace

// Random sequences of the commands that change time, with the clock ticking in between: after
// every step each project's total holds its todos' sum, and time moves between the todos, the
// projects and the balance only as the command says.
class BalancedBooks : public AppScenario
{
protected:
    void RunSequence(unsigned seed)
    {
        ExpectedSettings settings;
        clock.Set(2026, 3, 2, 10, 0, 0);
        settings.lastTimeUpdated = ClockAt(2026, 3, 2, 10, 0, 0);
        settings.autoSaveEnabled = false;
        settings.projects = {{"Garden", 9000, {{"Mow", 3600}, {"Weed", 1800, 5}}},
                             {"Office", 7200, {{"Mail", 7200}, {"Plan", 0, 5}}},
                             {"Web", 0, {}}};
        WriteConfig(settings);
        std::mt19937 random(seed);
        CoinPrompts prompts(random);
        RebuildingMainWindow view;
        auto app = Start(false);
        view.app = app.get();
        app->SetMainWindow(&view);
        view.RebuildTree();
        RandomDialogs dialogs(*app, prompts, random);
        ViewCommands commands(*app, prompts, dialogs);
        AppCommands appCommands(*app, prompts, dialogs);

        for (int step = 0; step < 200; ++step)
        {
            const Accounts before(*app);
            const int command = static_cast<int>(random() % 11);
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) +
                         " command " + std::to_string(command));
            Todo* todo = dialogs.AnyTodo();
            if (todo != nullptr)
                view.tree.SelectNode(view.tree.NodeOf(*todo));
            dialogs.accepted = false;
            Project* target = nullptr;
            switch (command)
            {
            case 0:
                commands.Execute(ID_TODO_ADD_TIME);
                break;
            case 1:
                commands.Execute(ID_TODO_REMOVE_TIME);
                break;
            case 2:
                commands.Execute(ID_TODO_TRANSFER_TIME);
                break;
            case 3:
                if (todo != nullptr)
                    commands.DropOnItem(*todo, dialogs.AnyTodo());
                break;
            case 4:
                target = app->GetProjects().Get(static_cast<int>(random() % 3));
                if (todo != nullptr)
                    commands.DropOnItem(*todo, target);
                break;
            case 5:
                commands.Execute(ID_TODO_ZERO_TIME);
                break;
            case 6:
                commands.Execute(ID_TODO_DELETE);
                break;
            case 7:
                appCommands.Execute(ID_TOOLS_CLEAN_UP);
                break;
            case 8:
                clock.Advance(static_cast<long long>(random() % 7200));
                app->UpdateTime();
                break;
            case 9:
                commands.Execute(dialogs.Coin() ? ID_TODO_ACTIVATE : ID_TODO_PAUSE);
                break;
            default:
                view.tree.SelectNode(view.tree.NodeOf(*app->GetProjects().Get(0)));
                commands.Execute(ID_TODO_NEW);
                break;
            }
            CheckBooks(before, Accounts(*app), command, dialogs, target);
            if (HasFailure())
                return;
        }
    }

    static void CheckBooks(const Accounts& before, const Accounts& after, int command,
                           const RandomDialogs& dialogs, const Project* target)
    {
        for (const auto& [project, account] : after.projects)
            ASSERT_GE(account.first, account.second) << project->GetName();
        const int64_t todos = after.todos - before.todos;
        const int64_t totals = after.totals - before.totals;
        const int64_t balance = after.balance - before.balance;
        switch (command)
        {
        case 0:
        case 1:
            // A cancelled or refused dialog changes nothing.
            EXPECT_EQ(dialogs.accepted && dialogs.adjustOvertime ? todos : 0, balance);
            if (dialogs.adjustProject || !dialogs.accepted)
            {
                EXPECT_EQ(todos, totals);
            }
            break;
        case 2:
        case 3:
            EXPECT_EQ(0, todos);
            EXPECT_EQ(0, balance);
            if (dialogs.adjustProjects || !dialogs.accepted)
            {
                EXPECT_EQ(0, totals);
            }
            break;
        case 4:
            EXPECT_EQ(0, todos);
            EXPECT_EQ(0, balance);
            // Only the receiving project's total moves, up to its new todos' sum.
            for (const auto& [project, account] : after.projects)
            {
                const auto& old = before.projects.at(project);
                EXPECT_EQ(project == target ? std::max(old.first, account.second) : old.first,
                          account.first)
                    << project->GetName();
            }
            break;
        case 8:
            // The targets are all zero: a tick books the same time on all three.
            EXPECT_EQ(todos, balance);
            EXPECT_EQ(todos, totals);
            break;
        default:
            // Zeroing, deleting and cleaning up drop todo time only; the rest moves nothing.
            EXPECT_LE(todos, 0);
            EXPECT_EQ(0, totals);
            EXPECT_EQ(0, balance);
        }
    }
};

TEST_F(BalancedBooks, HoldAfterEveryStepOfRandomCommandSequences)
{
    for (unsigned seed = 1; seed <= 40 && !HasFailure(); ++seed)
        RunSequence(seed);
}
