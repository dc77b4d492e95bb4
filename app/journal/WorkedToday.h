#pragma once

#include "app/journal/JournalEntry.h"

#include <cstdint>
#include <ios>
#include <optional>
#include <string>

// The time worked on the local day, as the Report counts it: the journal's sessions and the
// time added or removed by hand that begin that day, and the running session so far. Each look
// reads only what the journal has gained since the one before; the whole journal is read once
// a day.
class WorkedToday
{
public:
    explicit WorkedToday(std::string journalPath) : journalPath(std::move(journalPath)) {}

    // now: UTC seconds since 1970.
    int64_t At(int64_t now, const std::optional<JournalEntry>& running);

private:
    void ReadAppended(int64_t now);

    std::string journalPath;
    int64_t dayStart = 0;
    int64_t dayEnd = 0;
    // Up to the end of the last whole line read.
    std::streamoff read = 0;
    int64_t ended = 0;
};
