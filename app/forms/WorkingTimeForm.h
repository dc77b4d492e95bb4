#pragma once

#include "app/forms/FormResult.h"
#include "app/forms/ShownDuration.h"

#include <array>
#include <string>

class Prompts;
class Tallydene;

// The working-hours dialog's content: the overtime balance and the target of each weekday
// (0 Monday to 6 Sunday), as the texts the user edits.
class WorkingTimeForm
{
public:
    explicit WorkingTimeForm(Tallydene& app);

    void Open();
    // Reads every edited field as a duration, a leading "-" making it negative; an emptied
    // weekday is 0. A field left as shown keeps the value it has now. A text that is not a
    // duration, or an emptied overtime, is refused before anything changes.
    FormResult Confirm(Prompts& prompts);

    std::string overtime;
    std::array<std::string, 7> targets;
    // "(e.g. 12,50 or 12:30)" in the user's decimal character.
    std::string hint;

private:
    Tallydene& app;
    ShownDuration shownOvertime;
    std::array<ShownDuration, 7> shownTargets;
};
