#pragma once

#include <cstdint>
#include <string>

class Todo;
class TreeControl;

// What projects and todos need of the application to show themselves: the duration format,
// the active todo and the main tree.
class ItemContext
{
public:
    virtual ~ItemContext() = default;

    // Display form without rounding, in the current time format.
    virtual std::string FormatDuration(int32_t seconds, int width) const = 0;
    // Whether a duration shows as more than zero in the current time format.
    virtual bool ShowsTime(int32_t seconds) const = 0;
    virtual const Todo* GetActiveTodo() const = 0;
    // nullptr while no main window exists.
    virtual TreeControl* GetMainTree() const = 0;
};
