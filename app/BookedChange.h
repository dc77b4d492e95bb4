#pragma once

#include "app/JournalEntry.h"

#include <cstdint>
#include <string>

class Tallydene;
class Todo;

// A change made by hand, as the journal records it: the todo's time, its project's total and
// the overtime balance are read before the change, and Record writes what each moved by.
class BookedChange
{
public:
    // Without a todo only the balance is watched.
    BookedChange(Tallydene& app, const Todo* todo);

    void Record(const char* kind, const std::string& note = {}) const;

private:
    JournalEntry Entry(const char* kind, const std::string& note) const;

    Tallydene& app;
    const Todo* todo;
    int64_t todoTime = 0;
    int64_t projectTime = 0;
    int64_t balance = 0;
};
