#include "tests/app/ViewScenario.h"

#include "app/commands/AppCommands.h"
#include "app/forms/CleanUpForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/TransferTimeForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "app/journal/JournalEntry.h"
#include "model/Todo.h"
#include "res/CommandIds.h"

#include <functional>

using namespace res;
using Lines = std::vector<std::string>;

class Undo : public ViewScenario
{
protected:
    void Restart()
    {
        appCommands.reset();
        commands.reset();
        app.reset();
        settings.workingTimeEnabled = true;
        settings.actual = 2 * kHour;
        settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
        StartWith({{"Office", 3000, {{"Report", 1200, 2, "notes"}, {"Mail", 600, 5}}},
                   {"Home", 900, {{"Garden", 900}}},
                   {"Spare", 0, {}}});
        appCommands = std::make_unique<AppCommands>(*app, prompts, dialogs);
        // The program's own save, to compare the saves after undo and redo with.
        app->UpdateTime();
    }

    UndoHistory& History() { return app->GetUndoHistory(); }

public:
    // For the table's steps, which act on the scenario from outside.
    bool Give(int id) { return Run(id) || appCommands->Execute(id); }
    using ViewScenario::commands;
    using ViewScenario::dialogs;
    using ViewScenario::P;
    using ViewScenario::prompts;
    using ViewScenario::Select;
    using ViewScenario::T;

protected:
    std::unique_ptr<AppCommands> appCommands;
};

namespace
{

// The clean-up dialog remembers the user's choices; they are no data that undo takes back.
std::string WithoutCleanUpChoices(std::string file)
{
    const size_t start = file.find("<CleanUp>");
    const std::string end = "</CleanUp>\r\n\r\n";
    if (start != std::string::npos)
        file.erase(start, file.find(end) + end.size() - start);
    return file;
}

struct Case
{
    const char* stepName;
    const char* undoneLine;
    std::function<void(Undo&)> run;
};

} // namespace

// Each kind of change, undone and redone: the saved file comes back byte for byte each time,
// the event log names what was undone, and the menus name the step.
TEST_F(Undo, EveryKindOfChangeIsUndoneAndRedoneExactly)
{
    auto selectThen = [](const char* project, const char* todo, int id,
                         std::function<void(Undo&)> answer = nullptr)
    {
        return [=](Undo& test)
        {
            if (todo != nullptr)
                test.Select(test.T(project, todo));
            else
                test.Select(test.P(project));
            if (answer)
                answer(test);
            test.Give(id);
        };
    };
    auto yes = [](Undo& test) { test.prompts.answers = {true}; };
    const Case cases[] = {
        {"New todo 'Call'", "Created a new todo: Call",
         selectThen("Office", nullptr, ID_TODO_NEW,
                    [](Undo& t)
                    { t.dialogs.todo.push_back([](TodoForm& f) { f.name = "Call"; }); })},
        {"Delete todo 'Mail'", "Deleted a todo: Mail",
         selectThen("Office", "Mail", ID_TODO_DELETE, yes)},
        {"Delete project 'Spare'", "Deleted a project: Spare",
         selectThen("Spare", nullptr, ID_ITEM_DELETE, yes)},
        {"Todo properties 'Post'", "Set todo's properties: Post",
         selectThen("Office", "Mail", ID_TODO_PROPERTIES,
                    [](Undo& t)
                    {
                        t.dialogs.todo.push_back(
                            [](TodoForm& f)
                            {
                                f.name = "Post";
                                f.comment = "to answer";
                                f.time = "0,5";
                            });
                    })},
        {"Set completed 'Report'", "Set todo to completed: Report",
         selectThen("Office", "Report", ID_TODO_COMPLETED)},
        {"Set priority 1 'Mail'", "Set todo's priority to 1",
         selectThen("Office", "Mail", ID_TODO_PRIORITY_1)},
        {"Add time 'Report'", "Added time to a todo: Report",
         selectThen("Office", "Report", ID_TODO_ADD_TIME,
                    [](Undo& t)
                    { t.dialogs.addTime.push_back([](auto& f) { f.amount = "0,5"; }); })},
        {"Remove time 'Report'", "Removed time from a todo: Report",
         selectThen("Office", "Report", ID_TODO_REMOVE_TIME,
                    [](Undo& t)
                    { t.dialogs.removeTime.push_back([](auto& f) { f.amount = "0,1"; }); })},
        {"Zero time 'Report'", "Set todo's time to zero: Report",
         selectThen("Office", "Report", ID_TODO_ZERO_TIME, yes)},
        {"Drag and drop", "Transferred time between todos",
         [](Undo& t)
         {
             t.dialogs.transfer.push_back([](TransferTimeForm& f) { f.amount = "0,1"; });
             t.commands->DropOnItem(t.T("Office", "Report"), &t.T("Home", "Garden"));
         }},
        {"Drag and drop 'Mail'", "Moved a todo: Mail",
         [](Undo& t) { t.commands->DropOnItem(t.T("Office", "Mail"), &t.P("Spare")); }},
        {"Clean up", "Clean up",
         [](Undo& t)
         {
             t.dialogs.cleanUp.push_back(
                 [](CleanUpForm& f)
                 {
                     f.zeroClocks = true;
                     f.deleteCompleted = true;
                     return true;
                 });
             t.Give(ID_TOOLS_CLEAN_UP);
         }},
        {"New project 'Garage'", "Created a new project: Garage",
         [](Undo& t)
         {
             t.dialogs.project.push_back([](ProjectForm& f) { f.name = "Garage"; });
             t.Give(ID_PROJECT_NEW);
         }},
        {"Project properties 'House'", "Set project's properties: House",
         selectThen("Home", nullptr, ID_PROJECT_PROPERTIES,
                    [](Undo& t)
                    {
                        t.dialogs.project.push_back(
                            [](ProjectForm& f)
                            {
                                f.name = "House";
                                f.totalTime = "1";
                            });
                    })},
        {"Zero overtime", "Set actual working time: 0",
         [yes](Undo& t)
         {
             yes(t);
             t.Give(ID_OVERTIME_ZERO);
         }},
        {"Today's target", "Set actual working time: 28800",
         [yes](Undo& t)
         {
             yes(t);
             t.Give(ID_OVERTIME_TODAYS_TARGET);
         }},
        {"Working hours", "Set actual working time: -1800",
         [](Undo& t)
         {
             t.dialogs.workingTime.push_back(
                 [](WorkingTimeForm& f)
                 {
                     f.overtime = "-0,5";
                     f.targets[4] = "6";
                 });
             t.Give(ID_OVERTIME_WORKING_HOURS);
         }},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.stepName);
        Restart();
        const std::string before = SavedConfig();
        each.run(*this);
        // "Set completed" leaves its save to the next clock update.
        app->UpdateTime();
        const std::string after = SavedConfig();
        ASSERT_NE(before, after);
        EXPECT_EQ(each.stepName, History().NextUndoName());
        EXPECT_EQ("", History().NextRedoName());

        EXPECT_TRUE(Give(ID_EDIT_UNDO));
        EXPECT_EQ(before, WithoutCleanUpChoices(SavedConfig()));
        EXPECT_EQ(std::string("Undone: ") + each.undoneLine, Logged().back());
        EXPECT_EQ(each.stepName, History().NextRedoName());
        EXPECT_EQ("", History().NextUndoName());

        EXPECT_TRUE(Give(ID_EDIT_REDO));
        EXPECT_EQ(after, SavedConfig());
        EXPECT_EQ(std::string("Redone: ") + each.undoneLine, Logged().back());
        EXPECT_EQ(each.stepName, History().NextUndoName());
    }
}

// What the clock books after a step, and while its dialog is open, stays booked when the step
// is undone; the step's own change goes, and the journal records what undo moved.
TEST_F(Undo, TimeTheClockBookedStaysBooked)
{
    Restart();
    Select(T("Office", "Report"));
    Give(ID_TODO_ACTIVATE);
    dialogs.addTime.push_back(
        [this](auto& form)
        {
            clock.Set(2026, 3, 2, 10, 5, 0); // five minutes in the dialog
            form.amount = "1";
        });
    Give(ID_TODO_ADD_TIME);
    Select(T("Office", "Mail"));
    prompts.answers = {true};
    Give(ID_TODO_DELETE);
    clock.Set(2026, 3, 2, 10, 15, 0);
    app->UpdateTime();
    EXPECT_EQ(1200 + 15 * kMinute + kHour, T("Office", "Report").GetTime());

    Give(ID_EDIT_UNDO);
    EXPECT_EQ(600, T("Office", "Mail").GetTime());
    EXPECT_EQ(&T("Office", "Mail"), Selected());
    Give(ID_EDIT_UNDO);
    EXPECT_EQ(1200 + 15 * kMinute, T("Office", "Report").GetTime());
    EXPECT_EQ(3000 + 15 * kMinute, P("Office").GetTotalTime());
    EXPECT_EQ(2 * kHour + 15 * kMinute, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(&T("Office", "Report"), app->GetActiveTodo());
    EXPECT_EQ(&T("Office", "Report"), Selected());

    // The todo with its project, then the balance.
    const std::vector<JournalEntry> journal = app->GetJournal().GetFile().ReadAll();
    ASSERT_LE(2u, journal.size());
    const JournalEntry& todo = journal[journal.size() - 2];
    const JournalEntry& balance = journal.back();
    EXPECT_EQ((Lines{"undo", "Office", "Report", "Undone: Added time to a todo: Report"}),
              (Lines{todo.kind, todo.project, todo.todo, todo.note}));
    EXPECT_EQ((std::vector<int64_t>{-kHour, -kHour, 0, 0, 0, -kHour}),
              (std::vector<int64_t>{todo.todoSeconds, todo.projectSeconds, todo.balanceSeconds,
                                    balance.todoSeconds, balance.projectSeconds,
                                    balance.balanceSeconds}));
}

// A removed todo that has since become the running one is not taken away under the clock.
TEST_F(Undo, AStepThatWouldRemoveTheRunningTodoIsRefused)
{
    Restart();
    Select(P("Office"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Call"; });
    Give(ID_TODO_NEW);
    Select(T("Office", "Call"));
    Give(ID_TODO_ACTIVATE);
    const std::string saved = SavedConfig();
    Give(ID_EDIT_UNDO);
    EXPECT_EQ((Lines{"refuse: Please pause first."}), Boxes());
    EXPECT_EQ(saved, SavedConfig());
    EXPECT_EQ("New todo 'Call'", History().NextUndoName());
    Give(ID_TODO_PAUSE);
    Give(ID_EDIT_UNDO);
    EXPECT_EQ(-1, P("Office").GetTodos().IndexOf(app->GetActiveTodo()));
    EXPECT_EQ((Lines{"Report", "Mail"}), TreeTodos(P("Office")));
}

// The oldest steps go beyond the limit; a new change forgets the steps to redo, a command that
// changes nothing does not.
TEST_F(Undo, StepsAreKeptUpToTheLimitAndANewChangeEndsRedo)
{
    Restart();
    Select(T("Office", "Mail"));
    const size_t changes = UndoHistory::kStepsKept + 1;
    for (size_t step = 0; step < changes; ++step)
        Give(step % 2 == 0 ? ID_TODO_PRIORITY_1 : ID_TODO_PRIORITY_2);
    Give(ID_TODO_PRIORITY_1); // no change: no step
    size_t undone = 0;
    while (History().NextUndo() != nullptr)
    {
        Give(ID_EDIT_UNDO);
        ++undone;
    }
    EXPECT_EQ(UndoHistory::kStepsKept, undone);
    // The first change stays: it fell out of the history.
    EXPECT_EQ(0, T("Office", "Mail").GetPriority());

    Give(ID_EDIT_REDO);
    Give(ID_TODO_COPY_NAME);
    EXPECT_NE(nullptr, History().NextRedo());
    Give(ID_TODO_PRIORITY_4);
    EXPECT_EQ(nullptr, History().NextRedo());
    Give(ID_EDIT_REDO);
    EXPECT_EQ(3, T("Office", "Mail").GetPriority());
}
