#include "ui/QuietEnd.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

#include <dlfcn.h>

#include <algorithm>
#include <csignal>

namespace
{

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A message box runs GTK's own dialog loop, which only a GTK response ends; the toolkit's
// EndModal does not reach it. GTK is loaded with the toolkit, so the one call is looked up
// there rather than built against GTK's headers.
void CancelMessageBox(wxMessageDialog& box)
{
    using Respond = void (*)(void* dialog, int response);
    constexpr int kResponseDeleteEvent = -4; // as if the box's window were closed
    static const auto respond =
        reinterpret_cast<Respond>(dlsym(RTLD_DEFAULT, "gtk_dialog_response"));
    if (respond != nullptr && box.GetHandle() != nullptr)
        respond(box.GetHandle(), kResponseDeleteEvent);
}

} // namespace

QuietEnd* QuietEnd::instance = nullptr;

QuietEnd::QuietEnd(wxApp& app, std::function<void()> closeWindow)
    : app(app), closeWindow(std::move(closeWindow))
{
    instance = this;
    Register();
    for (int signal : kEndingSignals)
        app.SetSignalHandler(signal, &QuietEnd::OnSignal);
    app.Bind(wxEVT_IDLE, &QuietEnd::OnIdle, this);
    app.Bind(wxEVT_QUERY_END_SESSION, &QuietEnd::OnQueryEndSession, this);
    app.Bind(wxEVT_END_SESSION, &QuietEnd::OnEndSession, this);
}

QuietEnd::~QuietEnd()
{
    app.Unbind(wxEVT_IDLE, &QuietEnd::OnIdle, this);
    app.Unbind(wxEVT_QUERY_END_SESSION, &QuietEnd::OnQueryEndSession, this);
    app.Unbind(wxEVT_END_SESSION, &QuietEnd::OnEndSession, this);
    for (int signal : kEndingSignals)
        app.SetSignalHandler(signal, SIG_DFL);
    instance = nullptr;
}

void QuietEnd::Request()
{
    if (requested)
        return;
    requested = true;
    CancelOpenDialogs();
    wxWakeUpIdle();
}

int QuietEnd::Enter(wxDialog* dialog)
{
    if (requested)
        return wxID_CANCEL;
    openDialogs.push_back(dialog);
    return wxID_NONE;
}

void QuietEnd::Exit(wxDialog* dialog)
{
    openDialogs.erase(std::remove(openDialogs.begin(), openDialogs.end(), dialog),
                      openDialogs.end());
    if (requested)
        wxWakeUpIdle();
}

void QuietEnd::OnSignal(int)
{
    if (instance != nullptr)
        instance->Request();
}

void QuietEnd::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    // Closing while a dialog still runs its loop would pull the window from under it.
    if (!requested || windowClosed || !openDialogs.empty())
        return;
    windowClosed = true;
    closeWindow();
}

void QuietEnd::OnQueryEndSession(wxCloseEvent&)
{
    // The session may end: nothing is asked, and nothing is lost when it does.
}

void QuietEnd::OnEndSession(wxCloseEvent&)
{
    Request();
}

void QuietEnd::CancelOpenDialogs()
{
    // From the innermost out, the order in which their loops return.
    for (auto dialog = openDialogs.rbegin(); dialog != openDialogs.rend(); ++dialog)
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(*dialog))
            CancelMessageBox(*box);
        else if ((*dialog)->IsModal())
            (*dialog)->EndModal(wxID_CANCEL);
    }
}
