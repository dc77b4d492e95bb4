#include "ui/TallydeneApp.h"

#include "app/Tallydene.h"
#include "app/clock/SystemUtcClock.h"
#include "toolbox/Places.h"
#include "toolbox/Translation.h"
#include "toolbox/TriExtApp.h"
#include "ui/AppSession.h"
#include "ui/FatalError.h"
#include "ui/InstanceLock.h"
#include "ui/Language.h"
#include "ui/SecondInstance.h"
#include "ui/MainFrame.h"
#include "ui/EndWithoutQuestions.h"
#include "ui/WxPrompts.h"

#include <algorithm>
#include <vector>

namespace
{

// "--pause" asks a running copy to pause; with none running, the program starts as always,
// paused.
bool PauseAsked()
{
    const std::vector<toolbox::String> arguments = toolbox::Places::Arguments();
    return std::any_of(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end(),
                       [](const toolbox::String& argument) { return argument.str() == "--pause"; });
}

} // namespace

TallydeneApp::TallydeneApp() = default;
TallydeneApp::~TallydeneApp() = default;

bool TallydeneApp::OnInit()
{
    Language::Start();
    // The toolkit's own command-line parser is not run: "/log" with its level word is read by
    // the diagnostic logger, "--pause" by PauseAsked, and anything else is ignored.
    const toolbox::Path dataFolder =
        mfctriext::TriExtApp::FindConfigurationDirectory(Tallydene::kApplicationName);
    instanceLock = std::make_unique<InstanceLock>(
        dataFolder.ToString(false).c_str(), [this](InstanceLock::Request request)
        { AnswerSecondInstance(session ? session->GetMainFrame() : nullptr, request); });
    // A folder that cannot be locked is never used: the user mends it and tries again, or quits.
    InstanceLock::Outcome locked;
    while ((locked = instanceLock->Acquire()) == InstanceLock::Outcome::Unlocked)
    {
        const std::string problem = toolbox::Translation::TrFormat(
            "Tallydene cannot start safely: its data folder\n%s\ncannot be locked against a "
            "second copy (%s).\n\nIf you can mend this (the folder's permissions, for example), "
            "do so and choose Yes to try again. No quits.",
            {dataFolder.ToString(false).c_str(), instanceLock->Problem()});
        if (WxPrompts::Show(nullptr, problem, wxYES_NO | wxICON_ERROR) != wxID_YES)
            return false;
    }
    if (locked == InstanceLock::Outcome::Taken)
    {
        anotherCopyRunning = true;
        instanceLock->AskHolder(PauseAsked() ? InstanceLock::Request::Pause
                                             : InstanceLock::Request::Show);
        return true; // OnRun ends at once with exit code 0
    }

    clock = std::make_unique<SystemUtcClock>();
    // Until the data is loaded a signal ends the program at once, as it does by default: nothing
    // has been written that the usual end would have to finish.
    session = std::make_unique<AppSession>(*clock);
    const auto closeWithoutQuestions = [this]
    {
        if (session && session->GetMainFrame())
            session->GetMainFrame()->Close(true);
    };
    endWithoutQuestions = std::make_unique<EndWithoutQuestions>(*this, closeWithoutQuestions);
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
    endWithoutQuestions.reset();
    instanceLock.reset(); // the data is written: the next copy may start
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
