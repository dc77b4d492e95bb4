#include "ui/EndWithoutQuestions.h"

#include "ui/GtkFunction.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <csignal>

namespace
{

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A message box and a context menu each run a loop of GTK's own, which only GTK's calls end;
// the toolkit has none for it.

void CancelMessageBox(wxMessageDialog& box)
{
    constexpr int kResponseDeleteEvent = -4; // as if the box's window were closed
    static const auto respond = GtkFunction<void (*)(void*, int)>("gtk_dialog_response");
    if (respond != nullptr && box.GetHandle() != nullptr)
        respond(box.GetHandle(), kResponseDeleteEvent);
}

void CloseMenu(wxMenu& menu)
{
    static const auto popDown = GtkFunction<void (*)(void*)>("gtk_menu_popdown");
    if (popDown != nullptr && menu.m_menu != nullptr)
        popDown(menu.m_menu);
}

} // namespace

EndWithoutQuestions* EndWithoutQuestions::instance = nullptr;

EndWithoutQuestions::EndWithoutQuestions(wxApp& app, std::function<void()> closeWindow)
    : app(app), closeWindow(std::move(closeWindow))
{
    instance = this;
    Register();
    wxEvtHandler::AddFilter(this);
    for (int signal : kEndingSignals)
        app.SetSignalHandler(signal, &EndWithoutQuestions::OnSignal);
    app.Bind(wxEVT_IDLE, &EndWithoutQuestions::OnIdle, this);
    app.Bind(wxEVT_QUERY_END_SESSION, &EndWithoutQuestions::OnQueryEndSession, this);
    app.Bind(wxEVT_END_SESSION, &EndWithoutQuestions::OnEndSession, this);
}

EndWithoutQuestions::~EndWithoutQuestions()
{
    app.Unbind(wxEVT_IDLE, &EndWithoutQuestions::OnIdle, this);
    app.Unbind(wxEVT_QUERY_END_SESSION, &EndWithoutQuestions::OnQueryEndSession, this);
    app.Unbind(wxEVT_END_SESSION, &EndWithoutQuestions::OnEndSession, this);
    wxEvtHandler::RemoveFilter(this);
    for (int signal : kEndingSignals)
        app.SetSignalHandler(signal, SIG_DFL);
    instance = nullptr;
}

void EndWithoutQuestions::Request()
{
    if (requested)
        return;
    requested = true;
    CancelOpenDialogs();
    CloseOpenMenus();
    wxWakeUpIdle();
}

int EndWithoutQuestions::FilterEvent(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type != wxEVT_MENU_OPEN && type != wxEVT_MENU_CLOSE)
        return Event_Skip;
    wxMenu* menu = static_cast<wxMenuEvent&>(event).GetMenu();
    // Only a context menu runs a loop of its own; the menu bar's menus do not.
    if (menu == nullptr || (type == wxEVT_MENU_OPEN && !menu->m_popupShown))
        return Event_Skip;
    openMenus.erase(std::remove(openMenus.begin(), openMenus.end(), menu), openMenus.end());
    if (type == wxEVT_MENU_OPEN)
    {
        openMenus.push_back(menu);
        if (requested)
            CloseMenu(*menu);
    }
    else if (requested)
    {
        wxWakeUpIdle();
    }
    return Event_Skip;
}

int EndWithoutQuestions::Enter(wxDialog* dialog)
{
    if (requested)
        return wxID_CANCEL;
    openDialogs.push_back(dialog);
    return wxID_NONE;
}

void EndWithoutQuestions::Exit(wxDialog* dialog)
{
    openDialogs.erase(std::remove(openDialogs.begin(), openDialogs.end(), dialog),
                      openDialogs.end());
    if (requested)
        wxWakeUpIdle();
}

void EndWithoutQuestions::RequestFromOutside()
{
    if (instance != nullptr)
        instance->Request();
}

void EndWithoutQuestions::OnSignal(int)
{
    RequestFromOutside();
}

void EndWithoutQuestions::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    // Closing while a dialog or menu still runs its loop would pull the window from under it.
    if (!requested || windowClosed || !openDialogs.empty() || !openMenus.empty())
        return;
    windowClosed = true;
    closeWindow();
}

void EndWithoutQuestions::OnQueryEndSession(wxCloseEvent&)
{
    // The session may end: nothing is asked, and nothing is lost when it does.
}

void EndWithoutQuestions::OnEndSession(wxCloseEvent&)
{
    Request();
}

void EndWithoutQuestions::CancelOpenDialogs()
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

void EndWithoutQuestions::CloseOpenMenus()
{
    for (wxMenu* menu : openMenus)
        CloseMenu(*menu);
}
