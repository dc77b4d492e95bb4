#pragma once

#include "ui/MainFrame.h"
#include "ui/ScreenSaverIdle.h"

#include <wx/weakref.h>

#include <memory>

class Tallydene;
class UtcClock;

// One run of the program between the single-instance check and the end: the Tallydene object
// with its loaded data, and the main window once started. Ending the session runs the
// shutdown steps (the last clock update, the end line of the event log, the save), unless the
// run was abandoned.
class AppSession
{
public:
    // Loads the configuration and the data.
    explicit AppSession(const UtcClock& clock);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Opens the main window as the program starts: the stored placement, the tree, shown
    // maximised or normal, then the first clock update, the menu update and "Tallydene started";
    // the update's save waits until the window is drawn.
    MainFrame& Start();

    // On the program's first run, after the start: the options dialog, then the working hours
    // when overtime is on, each as its command shows it.
    void RunFirstRun();

    // Ends the session without any shutdown step, so nothing is logged or written.
    void Abandon();

    // Closes the window if it is still there and runs the shutdown steps; a last save that
    // fails asks whether to try again. False when the data could not be saved.
    bool End();

    Tallydene& GetTallydene() { return *tallydene; }
    // nullptr before Start and once the window is gone.
    MainFrame* GetMainFrame() { return frame.get(); }

private:
    void DeleteWindow();

    // Declared first: the application reads it until its own end.
    ScreenSaverIdle idle;
    std::unique_ptr<Tallydene> tallydene;
    wxWeakRef<MainFrame> frame;
};
