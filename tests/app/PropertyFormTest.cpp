#include "app/forms/ProjectForm.h"
#include "app/forms/TodoForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "model/Todo.h"
#include "tests/app/FormScenario.h"

namespace
{

const std::string projectExists = "A project with this name already exists.";
const std::string todoExists = "A todo with this name already exists.";
const std::string totalTooSmall = "The project's total time may not be less than\nthe current "
                                  "open todos' sum of times.\nApply the todos' sum?";

} // namespace

class PropertyForms : public FormScenario
{
};

TEST_F(PropertyForms, ProjectFormShowsAndStoresNameTotalAndTrimmedComment)
{
    ExpectedSettings settings = Usual();
    settings.projects[0].totalTime = 17100;
    auto app = StartWith(settings);
    Project& garden = ProjectNamed(*app, "Garden");
    garden.SetComment("  by the shed\r\n");
    ProjectForm form(*app, garden);
    form.Open();
    EXPECT_EQ("Garden", form.name);
    EXPECT_EQ("4,75", form.totalTime);
    EXPECT_EQ("  by the shed\r\n", form.comment);

    form.name = " \tYard\r\n";
    form.totalTime = "6:30";
    form.comment = "\v behind the house\r\nand the front \f";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("Yard", garden.GetName());
    EXPECT_EQ(6 * kHour + kHour / 2, garden.GetTotalTime());
    EXPECT_EQ("behind the house\r\nand the front", garden.GetComment());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PropertyForms, ProjectNamesAreComparedExactlyAfterTrimming)
{
    auto app = StartUsual();
    Project& garden = ProjectNamed(*app, "Garden");
    ProjectForm form(*app, garden);

    // Its own name never conflicts.
    form.Open();
    EXPECT_TRUE(form.Confirm(prompts).accepted);

    form.Open();
    form.name = "office";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("office", garden.GetName());

    form.Open();
    form.name = "  Office ";
    form.totalTime = "9";
    form.comment = "changed";
    ExpectRefused(FormField::Name, form.Confirm(prompts));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"refuse", projectExists}}), prompts.shown);
    EXPECT_EQ("office", garden.GetName());
    EXPECT_EQ(3 * kHour, garden.GetTotalTime());
    EXPECT_EQ("", garden.GetComment());

    // An empty name is a name like any other.
    form.Open();
    form.name = "   ";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("", garden.GetName());
    ProjectForm other(*app, ProjectNamed(*app, "Office"));
    other.Open();
    other.name = "";
    ExpectRefused(FormField::Name, other.Confirm(prompts));
}

TEST_F(PropertyForms, ANewProjectClashesWithADefaultNameAndItsTotalIsComparedWithZero)
{
    ExpectedSettings settings = Usual();
    settings.projects.push_back({"Project", 0, {}});
    auto app = StartWith(settings);
    Project fresh;
    ProjectForm form(*app, fresh);
    form.Open();
    EXPECT_EQ("Project", form.name);
    EXPECT_EQ("0,00", form.totalTime);
    // The name is checked before the total.
    form.totalTime = "-1";
    ExpectRefused(FormField::Name, form.Confirm(prompts));

    form.name = "Kitchen";
    prompts.answers = {false, true};
    ExpectRefused(FormField::TotalTime, form.Confirm(prompts));
    EXPECT_EQ("Project", fresh.GetName());
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("Kitchen", fresh.GetName());
    EXPECT_EQ(0, fresh.GetTotalTime());
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"refuse", projectExists},
                                                   {"warning", totalTooSmall},
                                                   {"warning", totalTooSmall}}),
              prompts.shown);
}

TEST_F(PropertyForms, AProjectTotalBelowItsTodosSumAsksAndYesStoresTheSum)
{
    auto app = StartUsual();
    Project& garden = ProjectNamed(*app, "Garden");
    ProjectForm form(*app, garden);
    form.Open();
    form.totalTime = "1";
    prompts.answers = {true};
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(kHour + kHour / 2, garden.GetTotalTime());

    // Exactly the sum asks nothing.
    form.Open();
    form.totalTime = "1,5";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(1u, prompts.shown.size());
}

// The total shown in whole hours is rounded; left as shown it keeps the project's exact total,
// including what a running todo added while the dialog was open.
TEST_F(PropertyForms, AProjectTotalLeftAsShownKeepsItsExactValue)
{
    ExpectedSettings settings = Usual();
    settings.timeFormat = 0;
    settings.projects[0].totalTime = 5 * kHour + 1234;
    auto app = StartWith(settings);
    Project& garden = ProjectNamed(*app, "Garden");
    ProjectForm form(*app, garden);
    form.Open();
    EXPECT_EQ("5", form.totalTime);
    garden.SetTotalTime(garden.GetTotalTime() + 60);
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(5 * kHour + 1294, garden.GetTotalTime());

    form.Open();
    form.totalTime = "6";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(6 * kHour, garden.GetTotalTime());
}

TEST_F(PropertyForms, TodoFormShowsTheTimeAndAFreshLineAfterTheCommentButChangesNeitherTime)
{
    ExpectedSettings settings = Usual();
    settings.timeFormat = 3;
    settings.projects[0].todos[0].comment = "\r\n  sharpen the blades \r\n";
    settings.projects[0].todos[0].priority = 1;
    auto app = StartWith(settings);
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    TodoForm form(*app, mow);
    form.Open();
    EXPECT_EQ("Mow", form.name);
    EXPECT_EQ("1:00", form.time);
    EXPECT_EQ(1, form.priority);
    EXPECT_EQ("sharpen the blades\r\n", form.comment);

    // Confirming as shown takes the line break off again.
    form.time = "7:00";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("sharpen the blades", mow.GetComment());
    EXPECT_EQ(kHour, mow.GetTime());

    form.Open();
    form.comment = " \r\n\t ";
    form.priority = 5;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("", mow.GetComment());
    EXPECT_EQ(5, mow.GetPriority());
    form.Open();
    EXPECT_EQ("", form.comment);
}

TEST_F(PropertyForms, APriorityOutsideTheButtonsIsKeptUnlessOneIsChosen)
{
    ExpectedSettings settings = Usual();
    settings.projects[0].todos[0].priority = 9;
    auto app = StartWith(settings);
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    TodoForm form(*app, mow);
    form.Open();
    EXPECT_EQ(-1, form.priority);
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(9, mow.GetPriority());

    form.Open();
    form.priority = 0;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ(0, mow.GetPriority());
}

TEST_F(PropertyForms, TodoNamesAreUniqueWithinTheirProjectOnly)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    TodoForm form(*app, mow);
    form.Open();
    EXPECT_TRUE(form.Confirm(prompts).accepted);

    form.Open();
    form.name = "Weed ";
    form.priority = 4;
    form.comment = "gone";
    ExpectRefused(FormField::Name, form.Confirm(prompts));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"refuse", todoExists}}), prompts.shown);
    EXPECT_EQ("Mow", mow.GetName());
    EXPECT_EQ(2, mow.GetPriority());
    EXPECT_EQ("", mow.GetComment());

    form.name = "WEED";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    form.Open();
    form.name = "Mail";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ("Mail", mow.GetName());

    // A new todo, not yet in its project's list, against one still named "Todo".
    Project& office = ProjectNamed(*app, "Office");
    office.GetTodos().Append(std::make_unique<Todo>(&office));
    Todo fresh(&office);
    TodoForm create(*app, fresh);
    create.Open();
    EXPECT_EQ(2, create.priority);
    ExpectRefused(FormField::Name, create.Confirm(prompts));
    create.name = "Filing";
    EXPECT_TRUE(create.Confirm(prompts).accepted);

    // Unlike a project, a todo needs a name: an empty one would be stored as "\0".
    for (const char* empty : {"", "   ", "\t \r\n"})
    {
        prompts.shown.clear();
        form.Open();
        form.name = empty;
        ExpectRefused(FormField::Name, form.Confirm(prompts));
        EXPECT_EQ(
            (std::vector<ScriptedPrompts::Shown>{{"refuse", "Please enter a name for the todo."}}),
            prompts.shown);
        EXPECT_EQ("Mail", mow.GetName());
    }
}

TEST_F(PropertyForms, DurationFieldsRefuseWhatIsNoDurationOnTheirOwnFieldAndChangeNothing)
{
    auto app = StartUsual();
    Project& garden = ProjectNamed(*app, "Garden");
    ProjectForm project(*app, garden);
    for (const char* typed : {"5 hours", "", "1,5.5"})
    {
        project.Open();
        project.name = "Yard";
        project.totalTime = typed;
        ExpectRefused(FormField::TotalTime, project.Confirm(prompts));
    }
    EXPECT_EQ("Garden", garden.GetName());
    EXPECT_EQ(3 * kHour, garden.GetTotalTime());

    WorkingTimeForm hours(*app);
    hours.Open();
    hours.overtime = "";
    ExpectRefused(FormField::Overtime, hours.Confirm(prompts));
    hours.overtime = "2";
    hours.targets[0] = "9";
    hours.targets[4] = "8h";
    ExpectRefused(FormField::Friday, hours.Confirm(prompts));
    EXPECT_EQ(kHour, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(0, app->GetOvertimeAccount().GetTarget(0));
    EXPECT_EQ(5u, prompts.shown.size());
    EXPECT_EQ("refuse", prompts.shown.back().kind);

    // An emptied weekday is a day off.
    hours.targets[4] = "  ";
    EXPECT_TRUE(hours.Confirm(prompts).accepted);
    EXPECT_EQ(2 * kHour, app->GetOvertimeAccount().GetBalance());
    EXPECT_EQ(9 * kHour, app->GetOvertimeAccount().GetTarget(0));
    EXPECT_EQ(0, app->GetOvertimeAccount().GetTarget(4));
}
