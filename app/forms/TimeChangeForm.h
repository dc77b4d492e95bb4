#pragma once

#include "app/forms/FormResult.h"

#include <cstdint>
#include <string>

class Prompts;
class Tallydene;
class Todo;

// What the add time and remove time dialogs share: the todo they change, the two lines that
// show it, the amount the user types, and whether the change also goes to the todo's project
// and to the overtime balance. The two check boxes start checked at every opening; the
// overtime one only while overtime is enabled, and only then can it be changed.
class TimeChangeForm
{
public:
    // The todo is not owned; the caller keeps it alive while the form is in use.
    TimeChangeForm(Tallydene& app, Todo& todo);
    virtual ~TimeChangeForm() = default;
    TimeChangeForm(const TimeChangeForm&) = delete;
    TimeChangeForm& operator=(const TimeChangeForm&) = delete;

    void Open();
    // Applies the amount, or refuses naming the field to focus; a refusal changes nothing.
    virtual FormResult Confirm(Prompts& prompts) = 0;

    std::string todoLine;
    std::string currentTimeLine;
    std::string amount;
    // "(e.g. 12,50 or 12:30)" in the user's decimal character.
    std::string hint;
    bool adjustProject = true;
    bool adjustOvertime = false;
    // Whether the overtime check box takes input.
    bool overtimeEditable = false;

protected:
    // Moves the todo, then its project, then the overtime balance by the signed change, as
    // the check boxes say; the project's floor is taken from the todo times already changed.
    // The journal records it as the given kind.
    void Apply(int64_t change, const char* journalKind);

    Tallydene& app;
    Todo& todo;
};
