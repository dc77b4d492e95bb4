#pragma once

#include "app/calendar/CalendarPublisher.h"

#include <wx/timer.h>

#include <cstdint>
#include <filesystem>
#include <memory>

class Tallydene;
class wxEvtHandler;

// The window's side of publishing sessions to a calendar: gives the publisher the account the
// options name and a nudge whenever the journal has grown, and shows what it reports, on the
// window's thread, in the status line; a new problem and events left as someone else changed
// them are told once in a message box.
class CalendarPublishing
{
public:
    CalendarPublishing(Tallydene& app, wxEvtHandler& window);
    ~CalendarPublishing();
    CalendarPublishing(const CalendarPublishing&) = delete;
    CalendarPublishing& operator=(const CalendarPublishing&) = delete;

private:
    void OnTimer(wxTimerEvent&);
    void OnReport(const CalendarPublisher::Status& status);

    Tallydene& app;
    wxEvtHandler& window;
    const std::filesystem::path journal;
    // Reports handed to the window's thread after this object is gone are dropped.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    std::unique_ptr<CalendarPublisher> publisher;
    uint64_t revision = UINT64_MAX;
    std::uintmax_t journalSize = 0;
    wxTimer timer;
};
