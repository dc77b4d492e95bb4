// The quiet end on Windows: the end of the session comes as WM_QUERYENDSESSION and
// WM_ENDSESSION (the toolkit's session events), and Ctrl+C, a closed console, a logoff or a
// shutdown as console control events when the program has a console. A control event arrives
// on a thread of its own; the request is handed to the GUI thread, and the handler waits for
// the end (the system ends the process when the handler returns) a little less than the five
// seconds the system grants.
#include "ui/EndWithoutQuestions.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <chrono>
#include <windows.h>

namespace
{

HANDLE ended = nullptr;

BOOL WINAPI OnControlEvent(DWORD)
{
    if (wxTheApp == nullptr)
        return FALSE;
    wxTheApp->CallAfter([] { EndWithoutQuestions::RequestFromOutside(); });
    if (ended != nullptr)
        ::WaitForSingleObject(ended, 4500);
    return TRUE;
}

// A message box is a dialog of the system's: it ends as if its Cancel (or its close box) had
// been chosen.
void CancelMessageBox(wxMessageDialog& box)
{
    if (HWND window = static_cast<HWND>(box.GetHandle()))
        ::EndDialog(window, IDCANCEL);
}

void CloseMenu(wxMenu&)
{
    ::EndMenu();
}

} // namespace

EndWithoutQuestions* EndWithoutQuestions::instance = nullptr;

EndWithoutQuestions::EndWithoutQuestions(wxApp& app, std::function<void()> closeWindow)
    : app(app), closeWindow(std::move(closeWindow))
{
    instance = this;
    ended = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Register();
    wxEvtHandler::AddFilter(this);
    ::SetConsoleCtrlHandler(&OnControlEvent, TRUE);
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
    ::SetConsoleCtrlHandler(&OnControlEvent, FALSE);
    instance = nullptr;
    // The program has ended its work: a control handler still waiting may let the system go on.
    if (ended != nullptr)
        ::SetEvent(ended);
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

void EndWithoutQuestions::RequestFromOutside()
{
    if (instance != nullptr)
        instance->Request();
}

int EndWithoutQuestions::FilterEvent(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type != wxEVT_MENU_OPEN && type != wxEVT_MENU_CLOSE)
        return Event_Skip;
    wxMenu* menu = static_cast<wxMenuEvent&>(event).GetMenu();
    if (menu == nullptr)
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

void EndWithoutQuestions::OnSignal(int)
{
    RequestFromOutside();
}

void EndWithoutQuestions::OnIdle(wxIdleEvent& event)
{
    event.Skip();
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
    // The system ends the process once WM_ENDSESSION returns: the dialogs are cancelled and the
    // window closed here, within the message, rather than in a later idle time.
    Request();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (!windowClosed && std::chrono::steady_clock::now() < end)
    {
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
        {
            while (loop->Pending())
                loop->Dispatch();
            loop->ProcessIdle();
        }
        else
            break;
    }
}

void EndWithoutQuestions::CancelOpenDialogs()
{
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
