#pragma once

#include "app/clock/UtcClock.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestPlaces.h"
#include "ui/AppSession.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class wxListCtrl;

class MainFrame;
class Project;
class Tallydene;
class Todo;
class TreeItem;
class VirtualTree;
class wxTreeItemId;
class wxWindow;

// A clock standing at the moment a test sets, so that no time passes on its own. Moving the
// moment forward is time the machine was awake, unless the test counts part of it as asleep.
class FixedUtcClock : public UtcClock
{
public:
    FixedUtcClock()
    {
        now.tm_year = 126; // 5 March 2026, 10:00 UTC
        now.tm_mon = 2;
        now.tm_mday = 5;
        now.tm_hour = 10;
    }
    std::tm NowUtc() const override { return now; }
    int64_t MonotonicSeconds() const override { return BootSeconds() - asleep; }
    int64_t BootSeconds() const override
    {
        std::tm copy = now;
        return static_cast<int64_t>(timegm(&copy));
    }
    std::tm now{};
    int64_t asleep = 0;
};

// A message box the test expects, answered with the given button; its text, caption and icon
// are checked.
class ExpectMessageBox : public wxExpectModalBase<MessageBox, ExpectMessageBox>
{
public:
    ExpectMessageBox(std::string message, long icon, int answer)
        : message(std::move(message)), icon(icon), answer(answer)
    {
    }

protected:
    int OnInvoked(MessageBox* box) const override;

private:
    std::string message;
    long icon;
    int answer;
};

// A modal dialog the test looks into while it would be shown, answering with a result code.
template <class Dialog> class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>>
{
public:
    explicit ExpectDialog(std::function<int(Dialog&)> look) : look(std::move(look)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return look(*dialog); }

private:
    std::function<int(Dialog&)> look;
};

// Builds configuration files in the program's text form, with CR LF line ends.
class ConfigText
{
public:
    ConfigText& Open(const std::string& section);
    ConfigText& Close(const std::string& section);
    ConfigText& Value(const std::string& name, const std::string& value);
    ConfigText& Value(const std::string& name, int value)
    {
        return Value(name, std::to_string(value));
    }
    // A todo section inside a project's "Todos".
    ConfigText& Todo(const std::string& name, int priority, int time,
                     const std::string& comment = "");
    const std::string& Text() const { return text; }

private:
    std::string Indent() const { return std::string(depth, '\t'); }

    std::string text;
    int depth = 0;
};

// Every window test runs the program's windows on its own data folder, with a clock that
// stands still, and ends its session (the shutdown steps) before the folder goes.
class WindowTest : public testing::Test
{
protected:
    void TearDown() override;

    std::filesystem::path ConfigFile() const;
    std::filesystem::path JournalPath() const
    {
        return ConfigFile().parent_path() / "Tallydene.journal";
    }
    void WriteConfig(const ConfigText& config);
    std::string ReadConfig() const;

    // Loads the data and opens the main window as the program does, waiting until it shows.
    MainFrame& Start();
    // Closes the window as the close box does and lets the toolkit finish.
    void CloseWindow();
    // The shutdown steps: the window goes, then the application object.
    void EndSession();

    Tallydene& App();
    MainFrame* Frame();
    VirtualTree& Tree();
    Project& ProjectNamed(const std::string& name);
    Todo& TodoNamed(const std::string& project, const std::string& name);
    wxTreeItemId NodeOf(const std::string& text);

public:
    // Runs the toolkit's events for a while, or until the condition holds.
    static void Pump(int milliseconds);
    static bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000);
    // The node of the tree below parent that shows item; not ok when there is none.
    static wxTreeItemId NodeShowing(const VirtualTree& tree, const TreeItem& item,
                                    wxTreeItemId parent);

protected:
    // Writes a PNG of the window as the screen shows it into the build folder's
    // "screenshots"; gives the file's path.
    static std::filesystem::path Screenshot(wxWindow& window, const std::string& name);
    // Each row of the list as the texts of these columns joined by "|".
    static std::vector<std::string> ListRows(const wxListCtrl& list,
                                             std::initializer_list<int> columns);

    TestPlaces places;
    // For a test that needs a time zone, given back before the places.
    std::optional<ScopedVariable> zone;
    FixedUtcClock clock;
    std::unique_ptr<AppSession> session;
};
