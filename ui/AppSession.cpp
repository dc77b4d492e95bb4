#include "ui/AppSession.h"

#include "app/Durations.h"
#include "app/Tallydene.h"
#include "app/commands/AppCommands.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Logger.h"
#include "ui/AfterFirstPaint.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxPrompts.h"

#include <wx/app.h>

AppSession::AppSession(const UtcClock& clock)
    : tallydene(std::make_unique<Tallydene>(clock, LocaleDecimalChar()))
{
    tallydene->SetIdleSource(&idle);
    toolbox::Logger::FollowPermissionsOfDataFile(tallydene->DataFilePath());
}

AppSession::~AppSession()
{
    DeleteWindow();
}

void AppSession::DeleteWindow()
{
    // The window goes first: it still reaches the application while it is destroyed. A window
    // closed but not yet deleted by the toolkit is deleted here, and so taken off its list.
    if (MainFrame* window = frame.get())
    {
        wxPendingDelete.DeleteObject(window);
        delete window;
    }
}

bool AppSession::End()
{
    DeleteWindow();
    WxPrompts prompts;
    return tallydene->End(&prompts);
}

MainFrame& AppSession::Start()
{
    const bool maximized =
        settings::kWindowMaximized.Read(tallydene->GetConfig().GetRoot());

    auto* window = new MainFrame(*tallydene);
    frame = window;
    tallydene->SetMainWindow(window);
    window->RebuildTree();

    if (maximized)
        window->Maximize();
    window->Show();
    window->Update();
    window->Raise();
    window->FocusTree();
    tallydene->ReportDataFileProblems();

    tallydene->CloseInterruptedSession();
    // The start's clock update books at once, and its save of the whole file waits until the
    // window is drawn; a command or tick before then saves anyway.
    tallydene->BringUpToDate();
    window->UpdateMenu();
    tallydene->LogEvent("Tallydene started");
    AfterFirstPaint::Schedule(window->GetView(), [this] { tallydene->FinishCommand(); });
    return *window;
}

void AppSession::RunFirstRun()
{
    MainFrame* window = frame.get();
    if (window == nullptr)
        return;
    window->GetAppCommands().RunFirstRun();
}

void AppSession::Abandon()
{
    tallydene->SkipShutdownSteps();
    tallydene->Abandon();
}
