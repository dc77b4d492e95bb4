#pragma once

#include "app/forms/TimeChangeForm.h"

// The add time dialog's form: adds the typed amount to the todo and, as checked, to its
// project's total and to the overtime balance. A negative amount takes at most what the todo
// has. It refuses only a text that is not a duration.
class AddTimeForm : public TimeChangeForm
{
public:
    AddTimeForm(Tallydene& app, Todo& todo) : TimeChangeForm(app, todo) {}

    FormResult Confirm(Prompts& prompts) override;
};
