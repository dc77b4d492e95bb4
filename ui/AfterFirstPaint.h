#pragma once

#include <functional>

class wxWindow;

// Runs an action once, right after a window has been drawn for the first time: work the user
// need not wait for comes after the user sees the window.
class AfterFirstPaint
{
public:
    static void Schedule(wxWindow& window, std::function<void()> action);
};
