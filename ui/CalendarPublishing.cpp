#include "ui/CalendarPublishing.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/calendar/CalendarPassword.h"
#include "app/calendar/CurlHttp.h"
#include "toolbox/Path.h"
#include "ui/WxText.h"

#include <wx/event.h>
#include <wx/intl.h>

namespace
{

// How often the journal is looked at for new entries.
constexpr int kLookMs = 2000;

} // namespace

CalendarPublishing::CalendarPublishing(Tallydene& app, wxEvtHandler& window)
    : app(app), window(window), journal(app.GetJournal().GetFile().GetPath())
{
    const std::string dataFolder = app.GetDataFolder().ToString(false).str();
    publisher = std::make_unique<CalendarPublisher>(
        journal.string(), dataFolder + "/calendar-published", std::make_unique<CurlHttp>(),
        [this, weak = std::weak_ptr<bool>(alive)](const CalendarPublisher::Status& status)
        {
            this->window.CallAfter(
                [this, weak, status]
                {
                    if (weak.lock())
                        OnReport(status);
                });
        });
    timer.Bind(wxEVT_TIMER, &CalendarPublishing::OnTimer, this);
    timer.Start(kLookMs);
    wxTimerEvent first(timer);
    OnTimer(first);
}

CalendarPublishing::~CalendarPublishing()
{
    timer.Stop();
    // Joins the publisher's thread before the rest goes.
    publisher.reset();
}

void CalendarPublishing::OnTimer(wxTimerEvent&)
{
    const Options& options = app.GetOptions();
    if (options.GetCalendarRevision() != revision)
    {
        revision = options.GetCalendarRevision();
        CalendarPublisher::Account account;
        if (options.IsCalendarPublished())
            account = {options.GetCalendarAddress(), options.GetCalendarUser(),
                       CalendarPassword::Lookup(app.GetDataFolder().ToString(false).str(),
                                                options.GetCalendarAddress(),
                                                options.GetCalendarUser())};
        publisher->Configure(account);
        if (!options.IsCalendarPublished())
            app.SetCalendarStatus("");
    }
    if (!options.IsCalendarPublished())
        return;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(journal, error);
    if (!error && size != journalSize)
    {
        journalSize = size;
        publisher->Nudge();
    }
}

void CalendarPublishing::OnReport(const CalendarPublisher::Status& status)
{
    if (!app.GetOptions().IsCalendarPublished())
        return;
    using Trouble = CalendarPublisher::Status::Trouble;
    wxString text;
    wxString message;
    switch (status.trouble)
    {
    case Trouble::unreachable:
        text = wxString::Format(_("Calendar: %lu changes wait, the server cannot be reached"),
                                static_cast<unsigned long>(status.waiting));
        break;
    case Trouble::password:
        text = _("Calendar: the server refused the password");
        message = _("The calendar server refused the user name or password. Publishing waits "
                    "until they are corrected in the options.");
        break;
    case Trouble::refused:
        text = wxString::Format(_("Calendar: %lu changes wait, the server refused one"),
                                static_cast<unsigned long>(status.waiting));
        message = _("The calendar server refused a session:") + "\n" + ToWx(status.problem);
        break;
    case Trouble::none:
        if (status.left > 0)
            text = wxString::Format(_("Calendar: %lu events left as changed on the server"),
                                    static_cast<unsigned long>(status.left));
        break;
    }
    app.SetCalendarStatus(FromWx(text));
    MainWindow* mainWindow = app.GetMainWindow();
    if (mainWindow == nullptr)
        return;
    if (status.newProblem && !message.empty())
        mainWindow->GetPrompts().Refuse(FromWx(message));
    if (!status.newlyLeft.empty())
        mainWindow->GetPrompts().Inform(FromWx(wxString::Format(
            _("%lu sessions were changed or deleted in the calendar by someone else. They are "
              "left there as they are; Tallydene no longer changes them."),
            static_cast<unsigned long>(status.newlyLeft.size()))));
}
