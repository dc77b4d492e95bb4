#pragma once

#include "app/FormResult.h"
#include "app/ShownDuration.h"

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
    // Reads every edited field as a duration; an empty field is 0, a leading "-" makes it
    // negative. A field left as shown keeps the value it has now. Nothing is ever refused.
    FormResult Confirm(Prompts& prompts);

    std::string overtime;
    std::array<std::string, 7> targets;

private:
    Tallydene& app;
    ShownDuration shownOvertime;
    std::array<ShownDuration, 7> shownTargets;
};
