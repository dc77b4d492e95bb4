#pragma once

#include <cstdint>
#include <string>

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
    int32_t Read(const std::string& field, int32_t current) const;

private:
    std::string text;
};
