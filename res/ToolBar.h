#pragma once

#include "res/Icons.h"

#include <span>

namespace res
{

// One button of the tool bar, or a separator bar. The button's tooltip and status prompt are
// those of its command (TooltipOf, StatusPromptOf).
struct ToolSpec
{
    int id;      // the command; 0 for a separator
    IconId icon; // unused for a separator

    constexpr bool IsSeparator() const { return id == 0; }
};

// The buttons of the main tool bar, left to right.
std::span<const ToolSpec> MainToolBar();

} // namespace res
