#pragma once

#include <cstddef>
#include <string>

class Tallydene;

// The tooltip of the notification-area icon: the active todo's name and time, or what runs on
// another machine that shares the books ("Mail runs on laptop since 10:05"), or "Paused",
// then the overtime balance when the working-time account is on; at most 63 characters.
std::string TrayTooltip(const Tallydene& app);

// The text cut to at most maxCharacters characters, never inside a UTF-8 sequence. A byte that
// starts no valid sequence counts as one character.
std::string CutToCharacters(const std::string& text, std::size_t maxCharacters);
