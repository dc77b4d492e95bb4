#pragma once

#include "app/forms/FormResult.h"

class Prompts;
class Tallydene;

// The clean-up dialog's two choices. They are kept in the configuration's "CleanUp" section,
// so the dialog opens with what was chosen last, also in a later run.
class CleanUpForm
{
public:
    explicit CleanUpForm(Tallydene& app);

    // Reads the stored choices; missing ones are created as true.
    void Open();
    // Stores both choices; nothing is ever refused.
    FormResult Confirm(Prompts& prompts);

    bool deleteCompleted = true;
    bool zeroClocks = true;

private:
    Tallydene& app;
};
