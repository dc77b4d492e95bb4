#pragma once

#include "app/MainWindow.h"
#include "app/commands/AppCommands.h"
#include "app/commands/ViewCommands.h"
#include "ui/MenuEscape.h"
#include "ui/WxDialogs.h"
#include "ui/WxPrompts.h"

#include <wx/frame.h>
#include <wx/timer.h>

#include <memory>
#include <string>
#include <type_traits> // needed by the toolkit's weak references

class MainView;
class Tallydene;
class TrayIcon;
class UndoEntries;
class CalendarPublishing;

namespace toolbox
{
class ConfigSection;
}

// The program's one top-level window: the tree, a tool bar and a status bar. It remembers its
// placement in section "MainFrame", runs the clock every minute, shows the active todo in its
// title and icon, the account summary and today's worked time in its status bar, and hides
// behind a notification-area icon when minimised with the tray option on.
class MainFrame : public wxFrame, public MainWindow
{
public:
    explicit MainFrame(Tallydene& app);
    ~MainFrame() override;

    // Where a frame with the stored placement would open (from the data file's root); missing
    // keys are entered with their defaults 50, 50, 350, 350.
    static wxRect StoredPlacement(toolbox::ConfigSection& root);

    MainView& GetView() { return *view; }
    const ViewCommands& GetViewCommands() const { return viewCommands; }
    Prompts& GetPrompts() override { return prompts; }
    AppCommands& GetAppCommands() { return appCommands; }

    // Brings the window back to the screen and to the front, from the notification area or
    // from the task bar, as another copy of the program asks.
    void ShowFromOutside();

    // MainWindow
    using wxFrame::SetStatusText;
    void SetStatusText(const std::string& text) override;
    void SetDocumentTitle(const std::string& title) override;
    void SetActiveLook(bool active) override;
    bool IsTrayIconShown() const override { return trayIcon != nullptr; }
    void UpdateTrayIcon() override;
    void UpdateMenu() override;
    void RebuildTree() override;
    TreeControl& GetTree() override;
    void FocusTree() override;
    void CopyToClipboard(const std::string& text) override;
    bool OpenDocument(const std::string& pathOrAddress) override;

    // An empty prompt (the menu closed, the mouse left the tool bar) shows the stored status
    // text, so the account summary stands whenever no prompt does.
    void DoGiveHelp(const wxString& help, bool show) override;

private:
    MainFrame(Tallydene& app, bool sizeStored);
    MainFrame(Tallydene& app, bool sizeStored, const wxRect& placement);

    // On the first start: wide enough for the whole tool bar and the status line as the data
    // shows it, at least the default size.
    wxSize FittingClientSize() const;

    // The menu bar, keys, tool bar and status bar, each as its table in res/ gives it.
    void CreateBars();
    // Closing, the clock and the placement, which the frame remembers as it changes.
    void BindWindowEvents();
    // Quitting, showing or hiding the bars, and every project and todo command.
    void BindMenuCommands();
    // Shows or hides the tool bar or status bar and keeps its menu entry's check in step.
    void ToggleBar(wxWindow& bar, int command);

    // The window is the end of every command's way: a command nobody handles ends here, so
    // that a key given by the shortcut table is never also taken by the menu entry whose
    // label shows the same key.
    bool TryAfter(wxEvent& event) override;

    // Runs the command of a menu event, or passes the event on when it is none of them.
    void OnCommand(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnPlacementChanged();
    void OnTimer(wxTimerEvent& event);
    void OnSharingTimer(wxTimerEvent& event);
    void RestoreFromTray();
    void ShowStatusText();
    void ShowToday();

    Tallydene& app;
    WxPrompts prompts;
    WxDialogs dialogs;
    ViewCommands viewCommands;
    AppCommands appCommands;
    MainView* view; // a child window, destroyed by the toolkit
    std::string statusText;
    bool showingPrompt = false;
    wxTimer timer;
    // While the books are shared: what the other machines wrote is looked for every two seconds.
    wxTimer sharingTimer;
    MenuEscape menuEscape{*this};
    std::unique_ptr<TrayIcon> trayIcon;
    std::unique_ptr<UndoEntries> undoEntries;
#ifdef TALLYDENE_CALENDARS
    std::unique_ptr<CalendarPublishing> calendarPublishing;
#endif
};
