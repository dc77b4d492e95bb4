#include "app/journal/WorkedToday.h"

#include "app/clock/LocalDates.h"
#include "app/journal/JournalFile.h"

#include <fstream>

namespace
{

// Time worked: not zeroing, cleaning up or moving time between todos. A session changed in the
// history, and the undo of such a change, are.
bool IsWork(const JournalEntry& entry)
{
    int64_t before = 0;
    return entry.kind == JournalKind::add || entry.kind == JournalKind::remove ||
           !entry.SessionChange(before).empty();
}

} // namespace

int64_t WorkedToday::At(int64_t now, const std::optional<JournalEntry>& running)
{
    if (now < dayStart || now >= dayEnd)
    {
        const std::string date = LocalDates::Text(now, "%Y-%m-%d");
        dayStart = LocalDates::StartOfDate(date).value_or(now);
        dayEnd = LocalDates::StartOfDate(date, 1).value_or(now + 1);
        read = 0;
        ended = 0;
    }
    ReadAppended(now);
    const bool runningToday = running && running->start >= dayStart && running->start < dayEnd;
    return ended + (runningToday ? running->todoSeconds : 0);
}

void WorkedToday::ReadAppended(int64_t now)
{
    std::ifstream file(journalPath, std::ios::binary);
    file.seekg(0, std::ios::end);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    if (size < read) // a journal begun anew
    {
        read = 0;
        ended = 0;
    }
    file.seekg(read);
    std::string line;
    while (file)
    {
        const std::streamsize taken = ReadLineWithoutBooks(file, line);
        if (taken == 0 || file.eof())
            break;
        read += taken;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // The books, whole, in one line: no work, and no line to parse.
        if (line.empty() || line.front() == '#' ||
            line.starts_with(JournalKind::books + std::string(1, '\t')))
            continue;
        const std::optional<JournalEntry> entry = JournalEntry::Parse(line);
        if (entry && IsWork(*entry) && entry->IsPlausible(now) && entry->start >= dayStart &&
            entry->start < dayEnd)
            ended += entry->todoSeconds;
    }
}
