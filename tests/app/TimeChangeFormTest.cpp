#include "app/forms/AddTimeForm.h"
#include "app/forms/RemoveTimeForm.h"
#include "model/Todo.h"
#include "tests/app/FormScenario.h"
#include "tests/app/TodoTimes.h"

#include <limits>

namespace
{

const std::string notEnough = "The todo does not have that much time.\nSet the time to zero?";

} // namespace

class TimeChangeForms : public FormScenario
{
};

TEST_F(TimeChangeForms, OpenShowsTheTodoAndItsTimeInTheDialogFormWithEveryBoxChecked)
{
    ExpectedSettings settings = Usual();
    settings.projects[0].todos[0].time = 17100;
    for (auto [format, shown] : {std::pair{1, "4,75"}, {2, "4,75"}, {3, "4:45"}, {0, "5"}})
    {
        settings.timeFormat = format;
        auto app = StartWith(settings);
        AddTimeForm form(*app, TodoNamed(*app, "Garden", "Mow"));
        form.amount = "left over";
        form.adjustProject = false;
        form.Open();
        EXPECT_EQ("Todo: Mow", form.todoLine);
        EXPECT_EQ(std::string("Current time: ") + shown, form.currentTimeLine);
        EXPECT_EQ("", form.amount);
        EXPECT_TRUE(form.adjustProject);
        EXPECT_TRUE(form.adjustOvertime);
        EXPECT_TRUE(form.overtimeEditable);
    }

    settings.workingTimeEnabled = false;
    auto app = StartWith(settings);
    RemoveTimeForm form(*app, TodoNamed(*app, "Garden", "Mow"));
    form.Open();
    EXPECT_FALSE(form.adjustOvertime);
    EXPECT_FALSE(form.overtimeEditable);
}

TEST_F(TimeChangeForms, AddingMovesTheTodoThenItsProjectThenTheBalance)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    AddTimeForm form(*app, mow);
    form.Open();
    form.amount = "1:30";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{2 * kHour + kHour / 2, 4 * kHour + kHour / 2, 2 * kHour + kHour / 2}),
              TimesOf(mow, *app));
    EXPECT_TRUE(prompts.shown.empty());

    // Unchecked boxes keep the project and the balance out of it.
    form.Open();
    form.amount = "1";
    form.adjustProject = false;
    form.adjustOvertime = false;
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{3 * kHour + kHour / 2, 4 * kHour + kHour / 2, 2 * kHour + kHour / 2}),
              TimesOf(mow, *app));
}

TEST_F(TimeChangeForms, AZeroAmountChangesNothingButLiftsAProjectBelowItsTodosSum)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    // The todo gained time on its own, so the project's total lies below the todos' sum.
    mow.SetTime(4 * kHour);
    for (bool remove : {false, true})
    {
        std::unique_ptr<TimeChangeForm> form;
        if (remove)
            form = std::make_unique<RemoveTimeForm>(*app, mow);
        else
            form = std::make_unique<AddTimeForm>(*app, mow);
        form->Open();
        form->amount = "0";
        // Unchecked, the box keeps the amount off the total, not the total off its floor.
        form->adjustProject = remove;
        EXPECT_TRUE(form->Confirm(prompts).accepted);
        EXPECT_EQ((TodoTimes{4 * kHour, 4 * kHour + kHour / 2, kHour}), TimesOf(mow, *app));
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimeChangeForms, ANegativeAddTakesOnlyWhatTheTodoHasFromAllThree)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    AddTimeForm form(*app, mow);
    form.Open();
    form.amount = "-2";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{0, 2 * kHour, 0}), TimesOf(mow, *app));

    // A todo at zero has nothing to give.
    form.Open();
    form.amount = "-5";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{0, 2 * kHour, 0}), TimesOf(mow, *app));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimeChangeForms, AnAmountThatIsNoDurationIsRefusedWithAnExampleInTheCurrentFormat)
{
    ExpectedSettings settings = Usual();
    for (auto [format, example] : {std::pair{1, "12,50"}, {3, "12:30"}, {0, "12"}})
    {
        settings.timeFormat = format;
        auto app = StartWith(settings);
        Todo& mow = TodoNamed(*app, "Garden", "Mow");
        AddTimeForm add(*app, mow);
        RemoveTimeForm remove(*app, mow);
        for (TimeChangeForm* form : std::initializer_list<TimeChangeForm*>{&add, &remove})
            for (const char* typed : {"30m", "", "abc", "1,5,7"})
            {
                form->Open();
                form->amount = typed;
                prompts.shown.clear();
                ExpectRefused(FormField::Amount, form->Confirm(prompts));
                EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{
                              {"refuse", std::string("Please enter a time in hours, such as ") +
                                             example + "."}}),
                          prompts.shown)
                    << typed;
            }
        EXPECT_EQ((TodoTimes{kHour, 3 * kHour, kHour}), TimesOf(mow, *app));
        // Either decimal character is read, whatever the user's is.
        add.Open();
        add.amount = "0.5";
        EXPECT_TRUE(add.Confirm(prompts).accepted);
        EXPECT_EQ(kHour + kHour / 2, mow.GetTime());
        EXPECT_EQ(std::string("(e.g. 12,50 or 12:30)"), add.hint);
    }
}

TEST_F(TimeChangeForms, RemovingAllOrMoreOfTheTodosTimeAsksOnlyWhenItIsMore)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    RemoveTimeForm form(*app, mow);
    form.Open();
    form.amount = "1";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ((TodoTimes{0, 2 * kHour, 0}), TimesOf(mow, *app));

    Todo& mail = TodoNamed(*app, "Office", "Mail");
    RemoveTimeForm more(*app, mail);
    more.Open();
    more.amount = "3,5";
    prompts.answers = {false};
    ExpectRefused(FormField::Amount, more.Confirm(prompts));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{{"warning", notEnough}}), prompts.shown);
    EXPECT_EQ((TodoTimes{2 * kHour, 2 * kHour, 0}), TimesOf(mail, *app));

    // Yes takes exactly what the todo had, from all three.
    prompts.answers = {true};
    EXPECT_TRUE(more.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{0, 0, -2 * kHour}), TimesOf(mail, *app));
}

TEST_F(TimeChangeForms, ANegativeRemoveAsksNothingAndAddsItsSize)
{
    auto app = StartUsual();
    Todo& weed = TodoNamed(*app, "Garden", "Weed");
    RemoveTimeForm form(*app, weed);
    form.Open();
    form.amount = "-0:30";
    EXPECT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ((TodoTimes{kHour, 3 * kHour + kHour / 2, kHour + kHour / 2}), TimesOf(weed, *app));
}

TEST_F(TimeChangeForms, WithOvertimeOffTheBalanceNeverMovesWhateverTheBoxSays)
{
    ExpectedSettings settings = Usual();
    settings.workingTimeEnabled = false;
    auto app = StartWith(settings);
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    AddTimeForm add(*app, mow);
    add.Open();
    add.adjustOvertime = true;
    add.amount = "2";
    EXPECT_TRUE(add.Confirm(prompts).accepted);
    RemoveTimeForm remove(*app, mow);
    remove.Open();
    remove.adjustOvertime = true;
    remove.amount = "0,5";
    EXPECT_TRUE(remove.Confirm(prompts).accepted);
    EXPECT_EQ(2 * kHour + kHour / 2, mow.GetTime());
    EXPECT_EQ(kHour, app->GetOvertimeAccount().GetBalance());
}

TEST_F(TimeChangeForms, HugeAmountsSaturateInsteadOfWrapping)
{
    auto app = StartUsual();
    Todo& mow = TodoNamed(*app, "Garden", "Mow");
    constexpr int32_t most = std::numeric_limits<int32_t>::max();
    AddTimeForm add(*app, mow);
    add.Open();
    add.amount = "999999999";
    EXPECT_TRUE(add.Confirm(prompts).accepted);
    EXPECT_EQ((TodoTimes{most, most, most}), TimesOf(mow, *app));

    RemoveTimeForm remove(*app, mow);
    remove.Open();
    remove.amount = "-999999999";
    EXPECT_TRUE(remove.Confirm(prompts).accepted);
    EXPECT_EQ(most, mow.GetTime());
    EXPECT_EQ(most, app->GetOvertimeAccount().GetBalance());
}
