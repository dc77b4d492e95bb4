#include "app/sharing/SharedBooks.h"

#include "app/Tallydene.h"
#include "app/journal/HybridClock.h"
#include "toolbox/Logger.h"

SharedBooks::SharedBooks(Tallydene& app, std::string startingBooks, int64_t firstSequence)
    : app(app), startingBooks(std::move(startingBooks)), firstSequence(firstSequence)
{
}

bool SharedBooks::Take(const std::vector<JournalEntry>& entries)
{
    SessionJournal& journal = app.GetJournal();
    bool anyNew = false;
    for (const JournalEntry& entry : entries)
    {
        if (entry.device.empty() || entry.device == journal.Device() ||
            !known.emplace(entry.device, entry.sequence).second)
            continue;
        if (const auto stamp = HybridClock::Stamp::Parse(entry.stamp))
            journal.Observe(*stamp);
        others.push_back(entry);
        lastDevice = entry.device;
        anyNew = true;
    }
    if (anyNew)
        Fold();
    return anyNew;
}

std::vector<JournalEntry> SharedBooks::OwnEntries() const
{
    const SessionJournal& journal = app.GetJournal();
    std::vector<JournalEntry> own;
    for (JournalEntry& entry : journal.GetFile().ReadComplete())
        if (entry.device == journal.Device() && entry.sequence > firstSequence)
            own.push_back(std::move(entry));
    return own;
}

std::vector<std::string> SharedBooks::Fold()
{
    SessionJournal& journal = app.GetJournal();
    // What the running session booked so far is in the journal before the books are made anew
    // from it.
    journal.RecordProgress(app.GetOvertimeAccount().GetLastTimeUpdated());
    std::vector<JournalEntry> entries = OwnEntries();
    entries.insert(entries.end(), others.begin(), others.end());
    std::vector<std::string> refused = app.FoldBooks(startingBooks, std::move(entries));
    for (const std::string& line : refused)
        toolbox::Logger::Report("SharedBooks", __LINE__, toolbox::Logger::kLevelInfo,
                                "An entry did not apply to the shared books: " + line);
    return refused;
}

std::optional<JournalEntry> SharedBooks::LatestStartElsewhere() const
{
    std::optional<JournalEntry> latest;
    std::optional<HybridClock::Stamp> latestStamp;
    for (const JournalEntry& entry : others)
    {
        if (entry.kind != JournalKind::open)
            continue;
        const auto stamp = HybridClock::Stamp::Parse(entry.stamp);
        if (stamp && (!latestStamp || *latestStamp < *stamp))
        {
            latest = entry;
            latestStamp = stamp;
        }
    }
    return latest;
}

bool SharedBooks::StillRuns(const JournalEntry& opened) const
{
    for (const JournalEntry& entry : others)
        if (entry.kind == JournalKind::session && entry.device == opened.device &&
            entry.start == opened.start && entry.todoId == opened.todoId)
            return false;
    return true;
}
