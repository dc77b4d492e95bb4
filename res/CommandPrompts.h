#pragma once

#include "toolbox/Translation.h"

#include <string_view>

namespace res
{

// What the status bar shows when nothing else is to be shown.
inline constexpr const char* kIdlePrompt = toolbox::TrLater("Ready");
// The title of the tool bar window when it floats.
inline constexpr const char* kToolBarTitle = toolbox::TrLater("Tools");

// The whole prompt text of a command: the status-bar prompt, then after "\n" the tooltip.
// nullptr when the command has no prompt.
const char* PromptOf(int id);

// The part before the first "\n"; empty when the command has no prompt.
std::string_view StatusPromptOf(int id);

// The part after the first "\n", up to a further "\n"; empty when there is none.
std::string_view TooltipOf(int id);

} // namespace res
