#pragma once

#include "app/journal/SessionHistory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The journal's sessions as calendar events (RFC 5545), written and read through libical.
// Each event's UID is made from the session's id, so an exported or published session keeps
// its event however often it is written again, and Tallydene knows its own events from those
// of other calendar programs.
struct CalendarEvent
{
    std::string uid;
    // UTC seconds; an event of a whole day starts and ends at local midnights.
    int64_t start = 0;
    int64_t end = 0;
    bool wholeDay = false;
    std::string summary;
    std::string description;

    bool operator==(const CalendarEvent&) const = default;
};

namespace CalendarEvents
{

// Every UID we make starts with this; nothing else is ever touched on a server.
inline constexpr const char* kUidPrefix = "tallydene-";

// One event per ended or running session (a running one up to its end, which is now), or
// with perDay one per local day and todo whose length is the day's total of the todo.
std::vector<CalendarEvent> Of(const std::vector<Session>& sessions, bool perDay);
// A calendar with the events, stamped at the moment: CR LF, folded and escaped lines.
std::string Text(const std::vector<CalendarEvent>& events, int64_t stamp);
// The events of a calendar text; nothing when it is no calendar.
std::optional<std::vector<CalendarEvent>> Read(const std::string& text);
// The name of the event's resource in a calendar collection: its UID with ".ics".
std::string ResourceName(const CalendarEvent& event);

} // namespace CalendarEvents
