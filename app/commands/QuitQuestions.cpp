#include "app/commands/QuitQuestions.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/forms/AwayTimeForm.h"
#include "toolbox/Translation.h"

namespace
{

constexpr const char* kActiveTodoQuestion = toolbox::TrLater(
    "You have an active todo. Ending Tallydene will\nstop the todo's clock. Are you sure to quit?");
constexpr const char* kOpenTodosQuestion =
    toolbox::TrLater("You have open todos. Are you sure to quit?");

} // namespace

bool AskAboutAwayBeforeQuitting(Tallydene& app, Dialogs& dialogs)
{
    app.UpdateTime();
    return AwayTimeForm::Ask(app, dialogs);
}

bool AskBeforeQuitting(const Tallydene& app, Prompts& prompts)
{
    if (app.GetActiveTodo() != nullptr &&
        !prompts.Ask(toolbox::Translation::Tr(kActiveTodoQuestion),
                     Prompts::QuestionIcon::Question))
        return false;
    return !app.AnyTodoOpen() || prompts.Ask(toolbox::Translation::Tr(kOpenTodosQuestion),
                                             Prompts::QuestionIcon::Question);
}
