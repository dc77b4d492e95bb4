#include "ui/MainFrame.h"

#ifdef TALLYDENE_CALENDARS
#include "ui/CalendarPublishing.h"
#endif

#include "app/Tallydene.h"
#include "app/commands/QuitQuestions.h"
#include "app/forms/AwayTimeForm.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Translation.h"
#include "ui/CommandTables.h"
#include "ui/IconBundles.h"
#include "ui/MainView.h"
#include "ui/TrayIcon.h"
#include "ui/TrayTooltip.h"
#include "ui/UndoEntries.h"
#include "ui/WxText.h"

#include <wx/clipbrd.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <algorithm>

namespace
{

// How often the shared folder is looked at for other machines' entries.
constexpr int kSharingPeriodMs = 2000;

toolbox::ConfigSection& Root(Tallydene& app)
{
    return app.GetConfig().GetRoot();
}

bool IsWebAddress(const std::string& text)
{
    return text.starts_with("http://") || text.starts_with("https://");
}

} // namespace

wxRect MainFrame::StoredPlacement(toolbox::ConfigSection& root)
{
    return wxRect(settings::kWindowX.Read(root), settings::kWindowY.Read(root),
                  settings::kWindowWidth.Read(root), settings::kWindowHeight.Read(root));
}

MainFrame::MainFrame(Tallydene& app) : MainFrame(app, settings::kWindowWidth.IsStored(Root(app))) {}

MainFrame::MainFrame(Tallydene& app, bool sizeStored)
    : MainFrame(app, sizeStored, StoredPlacement(Root(app)))
{
}

MainFrame::MainFrame(Tallydene& app, bool sizeStored, const wxRect& placement)
    : wxFrame(nullptr, wxID_ANY, wxString(), placement.GetPosition(), placement.GetSize()),
      app(app), prompts(this), dialogs(this, prompts), viewCommands(app, prompts, dialogs),
      appCommands(app, prompts, dialogs), statusText(toolbox::Translation::Tr(res::kIdlePrompt)),
      timer(this, res::ID_CLOCK_TIMER), sharingTimer(this)
{
    SetDocumentTitle(toolbox::Translation::Tr("Paused"));
    SetIcons(WindowIcons(res::IconId::Paused));
    CreateBars();
    view = new MainView(this, app, prompts,
                        [this](TreeItem& dragged, TreeItem* target)
                        {
                            viewCommands.DropOnItem(dragged, target);
                            undoEntries->Update();
                        });
    BindWindowEvents();
    BindMenuCommands();

    if (!sizeStored)
        SetClientSize(FittingClientSize());

    // A timer that does not start leaves the clock to the commands.
    timer.Start(res::kClockTimerPeriodMs);
    Bind(wxEVT_TIMER, &MainFrame::OnSharingTimer, this, sharingTimer.GetId());
    sharingTimer.Start(kSharingPeriodMs);
#ifdef TALLYDENE_CALENDARS
    calendarPublishing = std::make_unique<CalendarPublishing>(app, *this);
#endif
}

void MainFrame::CreateBars()
{
    SetMenuBar(CreateMainMenuBar());
    SetAcceleratorTable(MainAcceleratorTable());
    GetMenuBar()->Check(res::WxIdOf(res::ID_VIEW_TOOLBAR), true);
    GetMenuBar()->Check(res::WxIdOf(res::ID_VIEW_STATUS_BAR), true);

    wxToolBar* toolBar =
        CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, res::WxIdOf(res::ID_VIEW_TOOLBAR));
    toolBar->SetLabel(wxGetTranslation(res::kToolBarTitle));
    FillMainToolBar(*toolBar);
    undoEntries = std::make_unique<UndoEntries>(*this, app.GetUndoHistory());
    // The account summary, then the time worked today.
    CreateStatusBar(2, wxSTB_DEFAULT_STYLE, res::WxIdOf(res::ID_VIEW_STATUS_BAR));
    ShowToday();
    ShowStatusText();
}

void MainFrame::BindWindowEvents()
{
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
    Bind(wxEVT_TIMER, &MainFrame::OnTimer, this, res::ID_CLOCK_TIMER);
    const auto placementChanged = [this](wxEvent& event)
    {
        event.Skip();
        OnPlacementChanged();
    };
    Bind(wxEVT_MOVE, placementChanged);
    Bind(wxEVT_SIZE, placementChanged);
    Bind(wxEVT_MAXIMIZE, placementChanged);
    Bind(wxEVT_ICONIZE, placementChanged);
}

void MainFrame::BindMenuCommands()
{
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, res::WxIdOf(res::ID_APP_EXIT));
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(*GetToolBar(), res::ID_VIEW_TOOLBAR); },
        res::WxIdOf(res::ID_VIEW_TOOLBAR));
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) { ToggleBar(*GetStatusBar(), res::ID_VIEW_STATUS_BAR); },
        res::WxIdOf(res::ID_VIEW_STATUS_BAR));
    // The project and todo commands, from the menus, keys, tool bar, context menus and
    // double-clicks alike.
    Bind(wxEVT_MENU, &MainFrame::OnCommand, this);
}

void MainFrame::ToggleBar(wxWindow& bar, int command)
{
    bar.Show(!bar.IsShown());
    GetMenuBar()->Check(res::WxIdOf(command), bar.IsShown());
    SendSizeEvent();
}

MainFrame::~MainFrame()
{
    timer.Stop();
    sharingTimer.Stop();
    if (app.GetMainWindow() == this)
        app.SetMainWindow(nullptr);
}

wxSize MainFrame::FittingClientSize() const
{
    // Beside its field the status bar has its borders; inside it, margins and the square
    // resize grip, each about as wide as the bar is high.
    const wxStatusBar* status = GetStatusBar();
    wxRect field;
    status->GetFieldRect(0, field);
    const int statusWidth = status->GetTextExtent(ToWx(app.StatusText())).x + GetClientSize().x -
                            field.width + 2 * status->GetSize().y;
    const int width = std::max({GetToolBar()->GetBestSize().x, statusWidth, GetClientSize().x});
    return wxSize(width, GetClientSize().y);
}

void MainFrame::SetStatusText(const std::string& text)
{
    statusText = text;
    ShowToday();
    ShowStatusText();
}

void MainFrame::SetDocumentTitle(const std::string& title)
{
    SetTitle(ToWx(title + " - Tallydene"));
}

void MainFrame::SetActiveLook(bool active)
{
    SetIcons(WindowIcons(active ? res::IconId::Running : res::IconId::Paused));
}

void MainFrame::UpdateTrayIcon()
{
    if (!trayIcon)
        trayIcon = std::make_unique<TrayIcon>([this] { RestoreFromTray(); }, *this);
    const bool active = app.GetActiveTodo() != nullptr;
    trayIcon->SetIcon(IconBundle(active ? res::IconId::Running : res::IconId::Paused),
                      ToWx(TrayTooltip(app)));
}

void MainFrame::UpdateMenu()
{
    GetMenuBar()->EnableTop(res::kOvertimeMenuPosition, app.GetOptions().IsWorkingTimeEnabled());
}

void MainFrame::RebuildTree()
{
    view->FullUpdate();
}

TreeControl& MainFrame::GetTree()
{
    return view->GetTreeControl();
}

void MainFrame::FocusTree()
{
    view->SetFocus();
}

void MainFrame::CopyToClipboard(const std::string& text)
{
    if (!wxTheClipboard->Open())
        return;
    wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
    wxTheClipboard->Close();
}

bool MainFrame::OpenDocument(const std::string& pathOrAddress)
{
    if (IsWebAddress(pathOrAddress))
        return wxLaunchDefaultBrowser(ToWx(pathOrAddress));
    return wxLaunchDefaultApplication(ToWx(pathOrAddress));
}

void MainFrame::DoGiveHelp(const wxString& help, bool show)
{
    if (show && !help.empty())
    {
        showingPrompt = true;
        if (GetStatusBar())
            GetStatusBar()->SetStatusText(help, 0);
        return;
    }
    showingPrompt = false;
    ShowStatusText();
}

void MainFrame::OnCommand(wxCommandEvent& event)
{
    // A command may change or delete the items, the dragged one among them.
    view->CancelDrag();
    const int command = res::CommandOf(event.GetId());
    if (!viewCommands.Execute(command) && !appCommands.Execute(command))
        return event.Skip();
    undoEntries->Update();
}

bool MainFrame::TryAfter(wxEvent& event)
{
    return wxFrame::TryAfter(event) || event.GetEventType() == wxEVT_MENU;
}

void MainFrame::OnClose(wxCloseEvent& event)
{
    // Only the user's own quitting asks; at logout and on a signal, the end discards away time.
    if (event.CanVeto() &&
        (!AskAboutAwayBeforeQuitting(app, dialogs) || !AskBeforeQuitting(app, prompts)))
        return event.Veto();
    Destroy();
}

void MainFrame::OnPlacementChanged()
{
    toolbox::ConfigSection& root = Root(app);
    if (IsMaximized())
    {
        settings::kWindowMaximized.Write(root, true);
        return;
    }
    if (IsIconized())
    {
        // Without a notification area the window stays minimised, as with the option off.
        if (trayIcon || !app.GetOptions().IsTrayIconEnabled() || !wxTaskBarIcon::IsAvailable())
            return;
        UpdateTrayIcon();
        Hide();
        return;
    }
    const wxRect placement = GetRect();
    settings::kWindowX.Write(root, placement.x);
    settings::kWindowY.Write(root, placement.y);
    settings::kWindowWidth.Write(root, placement.width);
    settings::kWindowHeight.Write(root, placement.height);
    settings::kWindowMaximized.Write(root, false);
}

void MainFrame::OnTimer(wxTimerEvent&)
{
    if (!timer.IsRunning())
        return;
    app.UpdateTime();
    // Asked from the event loop, so that the tick never waits for the user's answer.
    if (app.IsAwayQuestionDue())
        CallAfter([this] { AwayTimeForm::Ask(app, dialogs); });
}

void MainFrame::OnSharingTimer(wxTimerEvent&)
{
    // Looking costs a listing of the folder; folding happens only when a journal changed.
    if (timer.IsRunning())
        app.ExchangeWithOtherMachines();
}

void MainFrame::RestoreFromTray()
{
    // Hidden while minimised, the window would be mapped minimised again: GTK remembers.
    Iconize(false);
    Show();
    Raise();
    trayIcon->RemoveIcon();
    // Deleted once the icon's own event has been handled.
    trayIcon.release()->Destroy();
}

void MainFrame::ShowFromOutside()
{
    if (trayIcon)
        return RestoreFromTray();
    Iconize(false);
    Show();
    Raise();
}

void MainFrame::ShowToday()
{
    wxStatusBar* status = GetStatusBar();
    const wxString today = ToWx(app.TodayText());
    // Room for the text and the field's margins, the resize grip beside it.
    const int widths[] = {-1, status->GetTextExtent(today).x + 2 * status->GetSize().y};
    status->SetStatusWidths(2, widths);
    status->SetStatusText(today, 1);
}

void MainFrame::ShowStatusText()
{
    if (GetStatusBar() && !showingPrompt)
        GetStatusBar()->SetStatusText(ToWx(statusText), 0);
}
