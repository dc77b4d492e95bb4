#pragma once

#include "app/forms/TimeChangeForm.h"

// The remove time dialog's form: takes the typed amount from the todo and, as checked, from
// its project's total and the overtime balance. Taking more than the todo has asks whether
// to take all of it instead; No refuses.
class RemoveTimeForm : public TimeChangeForm
{
public:
    RemoveTimeForm(Tallydene& app, Todo& todo) : TimeChangeForm(app, todo) {}

    FormResult Confirm(Prompts& prompts) override;
};
