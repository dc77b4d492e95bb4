#include "ui/AppSession.h"

#include "app/Durations.h"
#include "app/Tallydene.h"
#include "toolbox/ConfigSection.h"
#include "ui/MainFrame.h"

AppSession::AppSession(const UtcClock& clock)
    : tallydene(std::make_unique<Tallydene>(clock, LocaleDecimalChar()))
{
}

AppSession::~AppSession()
{
    // The window goes first: it still reaches the application while it is destroyed.
    delete frame.get();
}

MainFrame& AppSession::Start()
{
    const bool maximized =
        tallydene->GetConfig().GetRoot().GetSection("MainFrame").GetBool("Maximized", false);

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

    tallydene->UpdateTime();
    window->UpdateMenu();
    tallydene->LogEvent("Tallydene started");
    return *window;
}

void AppSession::Abandon()
{
    tallydene->SkipShutdownSteps();
    tallydene->Abandon();
}
