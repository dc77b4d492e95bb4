#pragma once

#include <string>
#include <string_view>

// Ids of projects and todos: 128 random bits written as 32 lowercase hex digits. An item keeps
// its id through renames, moves and undo, so that code can hold on to it where names change.
class ItemId
{
public:
    // A fresh id from a generator seeded once per process from the system's random source.
    static std::string Make();
    static bool IsWellFormed(std::string_view text);
};
