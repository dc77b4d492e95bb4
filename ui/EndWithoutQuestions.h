#pragma once

#include <wx/eventfilter.h>
#include <wx/modalhook.h>

#include <functional>
#include <vector>

class wxApp;
class wxCloseEvent;
class wxIdleEvent;
class wxMenu;

// Ends the program as closing its window does, only without questions: on SIGTERM, SIGINT and
// SIGHUP (logout, shutdown, kill, Ctrl+C, a closed terminal) and on the desktop's end of the
// session. The toolkit's own signal handler only wakes the event loop; the work runs there.
//
// Dialogs and message boxes that are open get Cancel, and any that a command opens after that
// returns Cancel without showing, so every command ends as if the user had cancelled it; an
// open context menu is closed. Once no dialog or context menu runs its loop any more, the main
// window is closed; the program's usual shutdown (the last clock update, "Tallydene ended",
// the save) follows.
class EndWithoutQuestions : public wxModalDialogHook, public wxEventFilter
{
public:
    // closeWindow closes the main window without asking anything.
    EndWithoutQuestions(wxApp& app, std::function<void()> closeWindow);
    ~EndWithoutQuestions() override;
    EndWithoutQuestions(const EndWithoutQuestions&) = delete;
    EndWithoutQuestions& operator=(const EndWithoutQuestions&) = delete;

    // Starts the end; asking again changes nothing.
    void Request();
    // The same for the one instance, if there is one: for a request from outside the window.
    static void RequestFromOutside();

    // Watches context menus open and close.
    int FilterEvent(wxEvent& event) override;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

private:
    static void OnSignal(int signal);
    void OnIdle(wxIdleEvent& event);
    void OnQueryEndSession(wxCloseEvent& event);
    void OnEndSession(wxCloseEvent& event);
    void CancelOpenDialogs();
    void CloseOpenMenus();

    // A signal handler carries no data: the one instance is found here.
    static EndWithoutQuestions* instance;

    wxApp& app;
    std::function<void()> closeWindow;
    std::vector<wxDialog*> openDialogs;
    std::vector<wxMenu*> openMenus;
    bool requested = false;
    bool windowClosed = false;
};
