#include "app/commands/CollapseGuard.h"
#include "app/commands/QuitQuestions.h"
#include "model/Todo.h"
#include "tests/app/FormScenario.h"

namespace
{

const std::string activeQuestion =
    "You have an active todo. Ending Tallydene will\nstop the todo's clock. Are you sure to quit?";
const std::string openQuestion = "You have open todos. Are you sure to quit?";

} // namespace

class QuitAndCollapse : public FormScenario
{
};

TEST_F(QuitAndCollapse, QuittingAsksAboutTheRunningTodoThenAboutOpenTodos)
{
    struct Case
    {
        bool running;
        std::deque<bool> answers;
        bool quits;
        std::vector<std::string> asked;
    };
    const std::vector<Case> cases = {
        {true, {false}, false, {activeQuestion}},
        {true, {true, false}, false, {activeQuestion, openQuestion}},
        {true, {true, true}, true, {activeQuestion, openQuestion}},
        {false, {false}, false, {openQuestion}},
        {false, {true}, true, {openQuestion}},
    };
    auto app = StartUsual();
    for (const Case& c : cases)
    {
        if (c.running)
            app->Activate(TodoNamed(*app, "Garden", "Mow"));
        else
            app->Pause();
        prompts.shown.clear();
        prompts.answers = c.answers;
        EXPECT_EQ(c.quits, AskBeforeQuitting(*app, prompts));
        std::vector<std::string> asked;
        for (const auto& box : prompts.shown)
            asked.push_back(box.message);
        EXPECT_EQ(c.asked, asked);
        EXPECT_TRUE(prompts.answers.empty());
    }
}

TEST_F(QuitAndCollapse, WithNoTimeShownAnywhereQuittingAsksNothing)
{
    ExpectedSettings settings;
    settings.projects = {{"Garden", 0, {{"Mow", 0}}}};
    auto app = StartWith(settings);
    EXPECT_TRUE(AskBeforeQuitting(*app, prompts));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(QuitAndCollapse, OnlyTheRunningTodosProjectRefusesToCollapse)
{
    auto app = StartUsual();
    Project& garden = ProjectNamed(*app, "Garden");
    Project& office = ProjectNamed(*app, "Office");
    EXPECT_TRUE(MayCollapse(*app, prompts, garden));

    app->Activate(TodoNamed(*app, "Garden", "Mow"));
    EXPECT_TRUE(MayCollapse(*app, prompts, office));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(MayCollapse(*app, prompts, garden));
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{
                  {"inform", "You cannot collapse a project with an active todo."}}),
              prompts.shown);
}
