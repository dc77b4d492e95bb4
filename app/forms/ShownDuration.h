#pragma once

#include "app/forms/ReadDurationField.h"

#include <cstdint>
#include <optional>
#include <string>

class Prompts;
class Tallydene;

// A stored duration as a dialog field shows it. The shown text is rounded to the dialog's unit
// (whole hours in the whole-hours format), and the value may move on while the dialog is open
// (a running todo's project, the overtime balance). A field the user leaves as shown therefore
// keeps the value as it is when the dialog is confirmed, exactly; only an edited text is read.
class ShownDuration
{
public:
    ShownDuration() = default;
    ShownDuration(const Tallydene& app, int32_t seconds);

    const std::string& Text() const { return text; }
    // None when an edited text is not a duration; the user has been told.
    std::optional<int32_t> Read(Prompts& prompts, const std::string& field, int32_t current,
                                EmptyField empty) const;

private:
    const Tallydene* app = nullptr;
    std::string text;
};
