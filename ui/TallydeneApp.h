#pragma once

#include <wx/app.h>

#include <exception>
#include <memory>

class AppSession;
class InstanceLock;
class EndWithoutQuestions;
class UtcClock;

// The toolkit's application: the single-instance rule, then one AppSession whose window runs
// until it is closed; the session's end runs the shutdown steps. A signal to end or the end of
// the desktop session closes the window without questions (EndWithoutQuestions).
//
// A copy started while another runs for the same user asks that one to show its window (or,
// started with "--pause", to pause), then ends with exit code 0, showing nothing itself. It
// skips the shutdown steps as well: having shown and changed nothing, it must neither log an
// end nor write the configuration it read over the running copy's.
class TallydeneApp : public wxApp
{
public:
    TallydeneApp();
    ~TallydeneApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // A foundation-library exception that reaches the top ends the program: its text is shown
    // and written to the diagnostic log, and the configuration is not written, so that a
    // half-changed state never replaces good data.
    bool OnExceptionInMainLoop() override;
    void OnUnhandledException() override;

private:
    // Ends the run on a foundation-library exception (EndOnFatalError); false for any other
    // exception, which is left to the toolkit.
    bool AbandonOn(std::exception_ptr exception);

    std::unique_ptr<InstanceLock> instanceLock;
    bool anotherCopyRunning = false;
    bool abandoned = false;
    std::unique_ptr<UtcClock> clock;
    std::unique_ptr<EndWithoutQuestions> endWithoutQuestions;
    std::unique_ptr<AppSession> session;
};
