#pragma once

#include "model/ItemContext.h"

#include <cstdio>
#include <string>

// The application as items see it, reduced to hours and minutes: durations read as h:mm
// (two blanks per missing hour digit up to the width), and a time shows from a settable
// number of seconds on.
class FakeItemContext : public ItemContext
{
public:
    std::string FormatDuration(int32_t seconds, int width) const override
    {
        const int32_t minutes = (seconds + 30) / 60;
        const std::string hours = std::to_string(minutes / 60);
        std::string text;
        for (int digits = static_cast<int>(hours.size()); digits < width; ++digits)
        {
            text += "  ";
        }
        char rest[8];
        std::snprintf(rest, sizeof rest, ":%02d", static_cast<int>(minutes % 60));
        return text + hours + rest;
    }
    bool ShowsTime(int32_t seconds) const override { return seconds >= visibleFrom; }
    const Todo* GetActiveTodo() const override { return activeTodo; }
    TreeControl* GetMainTree() const override { return mainTree; }

    int32_t visibleFrom = 30;
    const Todo* activeTodo = nullptr;
    TreeControl* mainTree = nullptr;
};
