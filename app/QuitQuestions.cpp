#include "app/QuitQuestions.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"

namespace
{

constexpr const char* kActiveTodoQuestion =
    "You have an active todo. Ending Tallydene will\nstop the todo's clock. Are you sure to quit?";
constexpr const char* kOpenTodosQuestion = "You have open todos. Are you sure to quit?";

} // namespace

bool AskBeforeQuitting(const Tallydene& app, Prompts& prompts)
{
    if (app.GetActiveTodo() != nullptr &&
        !prompts.Ask(kActiveTodoQuestion, Prompts::QuestionIcon::Question))
        return false;
    return !app.AnyTodoOpen() || prompts.Ask(kOpenTodosQuestion, Prompts::QuestionIcon::Question);
}
