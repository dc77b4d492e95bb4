#pragma once

#include "app/MainWindow.h"
#include "tests/app/ScriptedPrompts.h"
#include "tests/model/FakeTreeControl.h"

#include <string>
#include <vector>

// A main window that records what the application asked of it.
class FakeMainWindow : public MainWindow
{
public:
    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void SetDocumentTitle(const std::string& title) override { titles.push_back(title); }
    void SetActiveLook(bool active) override { looks.push_back(active ? "active" : "paused"); }
    bool IsTrayIconShown() const override { return trayIconShown; }
    void UpdateTrayIcon() override { ++trayRefreshes; }
    void UpdateMenu() override { ++menuUpdates; }
    void RebuildTree() override { ++treeRebuilds; }
    TreeControl& GetTree() override { return tree; }
    void FocusTree() override { ++focusRequests; }
    void CopyToClipboard(const std::string& text) override { clipboard = text; }
    bool OpenDocument(const std::string& pathOrAddress) override
    {
        opened.push_back(pathOrAddress);
        return true;
    }
    Prompts& GetPrompts() override { return prompts; }

    bool trayIconShown = false;
    std::vector<std::string> statusTexts;
    std::vector<std::string> titles;
    std::vector<std::string> looks;
    int trayRefreshes = 0;
    int menuUpdates = 0;
    int treeRebuilds = 0;
    int focusRequests = 0;
    std::string clipboard;
    std::vector<std::string> opened;
    FakeTreeControl tree;
    ScriptedPrompts prompts;
};
