#include "ui/TallydeneApp.h"

#include "app/SystemUtcClock.h"
#include "ui/AppSession.h"
#include "ui/FatalError.h"
#include "ui/InstanceLock.h"
#include "ui/Language.h"
#include "ui/MainFrame.h"
#include "ui/QuietEnd.h"

TallydeneApp::TallydeneApp() = default;
TallydeneApp::~TallydeneApp() = default;

bool TallydeneApp::OnInit()
{
    // The toolkit's own command-line parser is not run: the program's only switch, "/log"
    // with its level word, is read by the diagnostic logger, and anything else is ignored.
    Language::Start();
    instanceLock = std::make_unique<InstanceLock>(
        [this]
        {
            if (MainFrame* window = session ? session->GetMainFrame() : nullptr)
                window->ShowFromOutside();
        });
    if (!instanceLock->Acquire())
    {
        anotherCopyRunning = true;
        instanceLock->AskHolderToShow();
        return true; // OnRun ends at once with exit code 0
    }

    const auto closeWithoutQuestions = [this]
    {
        if (session && session->GetMainFrame())
            session->GetMainFrame()->Close(true);
    };
    quietEnd = std::make_unique<QuietEnd>(*this, closeWithoutQuestions);
    clock = std::make_unique<SystemUtcClock>();
    session = std::make_unique<AppSession>(*clock);
    session->Start();
    session->RunFirstRun();
    return true;
}

int TallydeneApp::OnRun()
{
    if (anotherCopyRunning)
        return 0;
    const int exitCode = wxApp::OnRun();
    if (abandoned)
        return EXIT_FAILURE;
    // Data that could not be saved ends the run with a failure.
    return session && !session->End() ? EXIT_FAILURE : exitCode;
}

int TallydeneApp::OnExit()
{
    session.reset(); // the shutdown steps, unless abandoned
    quietEnd.reset();
    return wxApp::OnExit();
}

bool TallydeneApp::OnExceptionInMainLoop()
{
    if (AbandonOn(std::current_exception()))
        return false; // ends the main loop
    return wxApp::OnExceptionInMainLoop();
}

void TallydeneApp::OnUnhandledException()
{
    if (!AbandonOn(std::current_exception()))
        wxApp::OnUnhandledException();
    session.reset();
}

bool TallydeneApp::AbandonOn(std::exception_ptr exception)
{
    if (!EndOnFatalError(exception, session.get()))
        return false;
    abandoned = true;
    return true;
}
