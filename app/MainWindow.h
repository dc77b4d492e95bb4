#pragma once

#include <string>

class Prompts;
class TreeControl;

// The main window as the application logic sees it. The windows implement it with widgets;
// the application holds it as a pointer that stays empty while no window exists, so every
// effect on the window is skipped before the window is built and after it is gone.
class MainWindow
{
public:
    virtual ~MainWindow() = default;

    // The status line's idle text: the todos' and projects' totals and the overtime balance.
    virtual void SetStatusText(const std::string& text) = 0;
    // "Paused" or the active todo's name; the window title reads it, " - " and "Tallydene".
    virtual void SetDocumentTitle(const std::string& title) = 0;
    // The large window icon: the running one while a todo is active, the paused one otherwise.
    virtual void SetActiveLook(bool active) = 0;
    // Whether the window is hidden into the notification area with its icon showing.
    virtual bool IsTrayIconShown() const = 0;
    // Redraws the notification-area icon and its tooltip from the active todo.
    virtual void UpdateTrayIcon() = 0;
    // The "&Overtime" menu enabled or greyed by the overtime option, and the menu images.
    virtual void UpdateMenu() = 0;
    // Sorts the projects and their todos and fills the tree afresh.
    virtual void RebuildTree() = 0;
    virtual TreeControl& GetTree() = 0;
    virtual void FocusTree() = 0;
    virtual void CopyToClipboard(const std::string& text) = 0;
    // Opens a file or a web address with the desktop's default application; false when none
    // could be started.
    virtual bool OpenDocument(const std::string& pathOrAddress) = 0;
    // The message boxes over this window.
    virtual Prompts& GetPrompts() = 0;
};
