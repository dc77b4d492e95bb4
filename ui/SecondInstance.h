#pragma once

#include "ui/InstanceLock.h"

class MainFrame;

// Does what a copy started later asks of the running one: shows its window, or pauses as the
// Pause command does. Nothing happens while there is no window.
void AnswerSecondInstance(MainFrame* window, InstanceLock::Request request);
