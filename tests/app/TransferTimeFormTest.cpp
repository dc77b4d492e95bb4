#include "app/forms/TransferTimeForm.h"
#include "model/Todo.h"
#include "tests/app/FormScenario.h"
#include "tests/model/FakeTreeControl.h"

#include <gmock/gmock.h>

namespace
{

const std::string selectBoth = "Please select a todo in both selectors.";
const std::string notEnough = "The from todo does not have that much time.\nTransfer all its time?";

} // namespace

class TransferTimeForms : public FormScenario
{
protected:
    // Opens the form as the window does and types the amount.
    void OpenWith(TransferTimeForm& form, const std::string& amount)
    {
        form.Open();
        form.amount = amount;
    }

    Todo* from = nullptr;
    Todo* to = nullptr;
};

TEST_F(TransferTimeForms, SelectorsShowTheWholeTreeWithEachTodoSelectedInItsOwnSelector)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Garden", "Weed");
    to = &TodoNamed(*app, "Office", "Mail");
    TransferTimeForm form(*app, from, to, false);
    form.Open();
    EXPECT_EQ(from, form.fromChoice);
    EXPECT_EQ(to, form.toChoice);

    FakeTreeControl fromSelector;
    FakeTreeControl toSelector;
    // What the selectors held before is gone.
    fromSelector.InsertNode(nullptr, "stale", 0, 0, -1, true, nullptr);
    form.FillSelectors(fromSelector, toSelector);

    // Every project in sorted order, each followed by its todos in sorted order, labelled as
    // in the main tree.
    for (FakeTreeControl* selector : {&fromSelector, &toSelector})
    {
        auto projects = selector->Children(nullptr);
        ASSERT_EQ(2u, projects.size());
        EXPECT_EQ(window.tree.ChildTexts(nullptr), selector->ChildTexts(nullptr));
        for (int i = 0; i < 2; ++i)
        {
            Project* project = app->GetProjects().Get(i);
            EXPECT_EQ(project, projects[i]->data);
            std::vector<TreeItem*> shown;
            for (auto* node : selector->Children(projects[i]))
                shown.push_back(node->data);
            std::vector<TreeItem*> listed;
            for (Todo* todo : project->GetTodos())
                listed.push_back(todo);
            EXPECT_EQ(listed, shown);
        }
    }
    // Each selection is a node of its own selector, so the From selection was made before the
    // To selector was filled.
    auto* fromNode = FakeTreeControl::Of(fromSelector.GetSelection());
    ASSERT_NE(nullptr, fromNode);
    EXPECT_EQ(from, fromNode->data);
    EXPECT_THAT(fromSelector.Children(nullptr), testing::Contains(fromNode->parent));
    auto* toNode = FakeTreeControl::Of(toSelector.GetSelection());
    ASSERT_NE(nullptr, toNode);
    EXPECT_EQ(to, toNode->data);
    EXPECT_THAT(toSelector.Children(nullptr), testing::Contains(toNode->parent));

    // Without todos the selectors select nothing.
    from = nullptr;
    to = nullptr;
    form.FillSelectors(fromSelector, toSelector);
    EXPECT_EQ(nullptr, fromSelector.GetSelection());
    EXPECT_EQ(nullptr, toSelector.GetSelection());
}

TEST_F(TransferTimeForms, AnAmountMovesBetweenTheTodosAndTheirProjectsButNeverTheBalance)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Office", "Mail");
    to = &TodoNamed(*app, "Garden", "Weed");
    TransferTimeForm form(*app, from, to, false);
    OpenWith(form, "1,5");
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(kHour / 2, from->GetTime());
    EXPECT_EQ(2 * kHour, to->GetTime());
    EXPECT_EQ(kHour / 2, from->GetProject()->GetTotalTime());
    EXPECT_EQ(4 * kHour + kHour / 2, to->GetProject()->GetTotalTime());
    EXPECT_EQ(kHour, app->GetOvertimeAccount().GetBalance());

    // Unchecked, the projects keep their totals.
    OpenWith(form, "0,5");
    form.adjustProjects = false;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(kHour / 2, from->GetProject()->GetTotalTime());
    EXPECT_EQ(4 * kHour + kHour / 2, to->GetProject()->GetTotalTime());
}

TEST_F(TransferTimeForms, AllTheTimeIgnoresTheAmountAndAcceptsATodoAtZero)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Office", "Mail");
    to = &TodoNamed(*app, "Garden", "Mow");
    TransferTimeForm form(*app, from, to, false);
    OpenWith(form, "7");
    form.allTheTime = true;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(3 * kHour, to->GetTime());

    OpenWith(form, "7");
    form.allTheTime = true;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(3 * kHour, to->GetTime());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TransferTimeForms, MoreThanTheFromTodoHasAsksAndTheChoicesStayInTheVariables)
{
    auto app = StartUsual();
    TransferTimeForm form(*app, from, to, false);
    OpenWith(form, "3");
    form.fromChoice = &TodoNamed(*app, "Office", "Mail");
    form.toChoice = &TodoNamed(*app, "Garden", "Weed");
    prompts.answers = {false};
    ExpectRefused(FormField::Amount, form.Confirm(prompts));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"warning", notEnough}}), prompts.shown);
    EXPECT_EQ(&TodoNamed(*app, "Office", "Mail"), from);
    EXPECT_EQ(&TodoNamed(*app, "Garden", "Weed"), to);
    EXPECT_EQ(2 * kHour, from->GetTime());
    EXPECT_EQ(kHour / 2, to->GetTime());

    prompts.answers = {true};
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(2 * kHour + kHour / 2, to->GetTime());

    // Exactly what the todo has asks nothing.
    prompts.shown.clear();
    OpenWith(form, "2,5");
    form.fromChoice = &TodoNamed(*app, "Garden", "Weed");
    form.toChoice = &TodoNamed(*app, "Office", "Mail");
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(0, TodoNamed(*app, "Garden", "Weed").GetTime());
    EXPECT_EQ(2 * kHour + kHour / 2, TodoNamed(*app, "Office", "Mail").GetTime());
}

TEST_F(TransferTimeForms, AProjectOrNothingInASelectorIsRefusedAfterTheClockUpdate)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    app->Activate(mow);
    clock.Advance(600);
    for (TreeItem* choice :
         {static_cast<TreeItem*>(&ProjectNamed(*app, "Office")), static_cast<TreeItem*>(nullptr)})
    {
        from = &mow;
        TransferTimeForm form(*app, from, to, false);
        OpenWith(form, "1");
        form.fromChoice = &mow;
        form.toChoice = choice;
        ExpectRefused(FormField::Amount, form.Confirm(prompts));
        EXPECT_EQ(&mow, from);
        EXPECT_EQ(nullptr, to);
    }
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"refuse", selectBoth}, {"refuse", selectBoth}}),
              prompts.shown);
    // The running todo's ten minutes were booked all the same; nothing was moved.
    EXPECT_EQ(kHour + 600, mow.GetTime());
    EXPECT_EQ(ClockAt(2026, 3, 2, 9, 10, 0), app->GetOvertimeAccount().GetLastTimeUpdated());
}

TEST_F(TransferTimeForms, ARunningFromTodoIsComparedWithItsTimeUpToNow)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Garden", "Mow");
    to = &TodoNamed(*app, "Office", "Mail");
    app->Activate(*from);
    // The hour passes without a tick in between; it is booked, not asked about.
    app->GetOptions().SetAwayThresholdMinutes(0);
    clock.Advance(kHour);
    TransferTimeForm form(*app, from, to, true);
    OpenWith(form, "1:30");
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(kHour / 2, from->GetTime());
    EXPECT_EQ(3 * kHour + kHour / 2, to->GetTime());
    // The hour that ran is on the balance; the transfer itself moved none of it.
    EXPECT_EQ(2 * kHour, app->GetOvertimeAccount().GetBalance());
}

TEST_F(TransferTimeForms, TheSimpleVariantUsesTheTodosItWasGiven)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Garden", "Mow");
    to = &TodoNamed(*app, "Garden", "Weed");
    TransferTimeForm form(*app, from, to, true);
    OpenWith(form, "1");
    form.fromChoice = &ProjectNamed(*app, "Office");
    form.toChoice = nullptr;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(&TodoNamed(*app, "Garden", "Mow"), from);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(kHour + kHour / 2, to->GetTime());
}

TEST_F(TransferTimeForms, WithinOneProjectItsTotalStaysAsItWas)
{
    ExpectedSettings settings = Usual();
    // Garden's total equals its todos' sum.
    settings.projects[0].totalTime = kHour + kHour / 2;
    auto app = StartWith(settings);
    Project& garden = ProjectNamed(*app, "Garden");

    from = &TodoNamed(*app, "Garden", "Mow");
    to = &TodoNamed(*app, "Garden", "Weed");
    TransferTimeForm between(*app, from, to, true);
    OpenWith(between, "0,5");
    EXPECT_TRUE(between.Confirm(prompts).accepted);
    EXPECT_EQ(kHour / 2, from->GetTime());
    EXPECT_EQ(kHour, to->GetTime());
    EXPECT_EQ(kHour + kHour / 2, garden.GetTotalTime());

    // A todo onto itself keeps its time, and so does the project.
    to = from;
    TransferTimeForm itself(*app, from, to, true);
    OpenWith(itself, "0,25");
    EXPECT_TRUE(itself.Confirm(prompts).accepted);
    EXPECT_EQ(kHour / 2, from->GetTime());
    EXPECT_EQ(kHour + kHour / 2, garden.GetTotalTime());
    OpenWith(itself, "0,75");
    prompts.answers = {true};
    EXPECT_TRUE(itself.Confirm(prompts).accepted);
    // More than it has: Yes moves its half hour, to itself.
    EXPECT_EQ(kHour / 2, from->GetTime());
    EXPECT_EQ(kHour + kHour / 2, garden.GetTotalTime());
}

TEST_F(TransferTimeForms, AnAmountThatIsNoDurationIsRefusedUnlessAllTheTimeGoes)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Office", "Mail");
    to = &TodoNamed(*app, "Garden", "Weed");
    TransferTimeForm form(*app, from, to, true);
    for (const char* typed : {"1h", "", "2:30:00", "- 1"})
    {
        OpenWith(form, typed);
        ExpectRefused(FormField::Amount, form.Confirm(prompts));
    }
    EXPECT_EQ(4u, prompts.shown.size());
    EXPECT_EQ(2 * kHour, from->GetTime());
    EXPECT_EQ(kHour / 2, to->GetTime());
    EXPECT_EQ("(e.g. 12,50 or 12:30)", form.hint);

    OpenWith(form, "1h");
    form.allTheTime = true;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, from->GetTime());
    EXPECT_EQ(2 * kHour + kHour / 2, to->GetTime());
    EXPECT_EQ(4u, prompts.shown.size());
}

TEST_F(TransferTimeForms, TotalsLeftAloneStillHoldTheirTodosSum)
{
    ExpectedSettings settings = Usual();
    // Office's total equals its todos' sum.
    settings.projects[1].totalTime = 2 * kHour;
    auto app = StartWith(settings);
    from = &TodoNamed(*app, "Garden", "Mow");
    to = &TodoNamed(*app, "Office", "Mail");
    TransferTimeForm form(*app, from, to, true);
    OpenWith(form, "1");
    form.adjustProjects = false;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(3 * kHour, from->GetProject()->GetTotalTime());
    EXPECT_EQ(3 * kHour, to->GetProject()->GetTotalTime());
}

TEST_F(TransferTimeForms, ANegativeAmountMovesBackAtMostWhatTheToTodoHas)
{
    auto app = StartUsual();
    from = &TodoNamed(*app, "Garden", "Weed");
    to = &TodoNamed(*app, "Office", "Mail");
    TransferTimeForm form(*app, from, to, true);
    OpenWith(form, "-0,5");
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(kHour, from->GetTime());
    EXPECT_EQ(kHour + kHour / 2, to->GetTime());
    EXPECT_EQ(3 * kHour + kHour / 2, from->GetProject()->GetTotalTime());
    EXPECT_EQ(kHour + kHour / 2, to->GetProject()->GetTotalTime());

    // Booked time is never made up: the to todo gives its hour and a half and no more.
    OpenWith(form, "-5");
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(2 * kHour + kHour / 2, from->GetTime());
    EXPECT_EQ(0, to->GetTime());
    EXPECT_EQ(5 * kHour, from->GetProject()->GetTotalTime());
    EXPECT_EQ(0, to->GetProject()->GetTotalTime());
}
