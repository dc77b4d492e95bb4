#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "app/commands/AppCommands.h"
#include "app/forms/AwayTimeForm.h"
#include "app/forms/OptionsForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "tests/ui/DesktopProcess.h"
#include "ui/MainFrame.h"
#include "ui/MainView.h"
#include "ui/WxDialogs.h"
#include "ui/WxText.h"
#include "ui/dialogs/AwayTimeDialog.h"
#include "ui/dialogs/CleanUpDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/WorkingTimeDialog.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{

// Presses OK in a dialog of the given kind after the edit, as a user would: the dialog copies
// its controls into its form on the way.
template <class Dialog> class PressOk : public wxExpectModalBase<Dialog, PressOk<Dialog>>
{
public:
    explicit PressOk(std::function<void(Dialog&)> edit = {}) : edit(std::move(edit)) {}

protected:
    int OnInvoked(Dialog* dialog) const override
    {
        if (edit)
            edit(*dialog);
        EXPECT_TRUE(dialog->TransferDataFromWindow());
        return wxID_OK;
    }

private:
    std::function<void(Dialog&)> edit;
};

// Any dialog at all, which fails the test.
class NoDialog : public wxExpectModalBase<wxDialog, NoDialog>
{
protected:
    int OnInvoked(wxDialog* dialog) const override
    {
        ADD_FAILURE() << "unexpected dialog " << FromWx(dialog->GetTitle());
        return wxID_CANCEL;
    }
};

template <class Control> Control& Find(wxWindow& dialog, const char* name)
{
    auto* control = dynamic_cast<Control*>(wxWindow::FindWindowByName(name, &dialog));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

wxRadioButton& Radio(wxWindow& dialog, const char* label)
{
    auto* button = dynamic_cast<wxRadioButton*>(wxWindow::FindWindowByLabel(label, &dialog));
    if (button == nullptr)
        throw std::runtime_error(std::string("no radio button ") + label);
    return *button;
}

ConfigText OfficeInFormat(int format)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", format).Close("Options");
    config.Open("WorkingTime").Value("Actual", -5400).Close("WorkingTime");
    config.Open("Projects").Open("Office").Value("TotalTime", 9900).Open("Todos");
    config.Todo("Mail", 2, 900).Todo("Report", 2, 9000);
    config.Close("Todos").Close("Office").Close("Projects");
    return config;
}

} // namespace

class AppCommandWindows : public WindowTest
{
protected:
    // Gives the command as the menu and the keys do: an event to the main window.
    void Execute(int commandId)
    {
        wxCommandEvent command(wxEVT_MENU, res::WxIdOf(commandId));
        Frame()->ProcessWindowEvent(command);
    }

    std::vector<std::string> TreeLines()
    {
        std::vector<std::string> lines;
        std::function<void(const wxTreeItemId&)> collect = [&](const wxTreeItemId& parent)
        {
            wxTreeItemIdValue cookie;
            for (wxTreeItemId node = Tree().GetFirstChild(parent, cookie); node.IsOk();
                 node = Tree().GetNextChild(parent, cookie))
            {
                lines.push_back(FromWx(Tree().GetItemText(node)));
                collect(node);
            }
        };
        collect(Tree().GetRootItem());
        return lines;
    }

    // The text with the user's decimal character in place of each ",".
    std::string Decimal(std::string text)
    {
        std::replace(text.begin(), text.end(), ',', App().GetDurations().DecimalChar());
        return text;
    }
    std::vector<std::string> Decimal(std::vector<std::string> texts)
    {
        for (std::string& text : texts)
            text = Decimal(text);
        return texts;
    }

    std::string StatusLine() { return FromWx(Frame()->GetStatusBar()->GetStatusText()); }
};

TEST_F(AppCommandWindows, TheFirstStartShowsOptionsThenWorkingHoursAndTheSecondStartNeither)
{
    Start();
    wxTEST_DIALOG(session->RunFirstRun(), PressOk<OptionsDialog>(),
                  PressOk<WorkingTimeDialog>(
                      [](WorkingTimeDialog& dialog)
                      {
                          EXPECT_EQ(dialog.GetTitle(), "Working hours");
                          Find<wxTextCtrl>(dialog, "monday").ChangeValue("8");
                      }));
    EXPECT_EQ(App().GetOvertimeAccount().GetTarget(0), 8 * 3600);

    EndSession();
    Start();
    wxTEST_DIALOG(session->RunFirstRun(), NoDialog().Optional());
    EXPECT_EQ(App().GetOvertimeAccount().GetTarget(0), 8 * 3600);
}

TEST_F(AppCommandWindows, AFirstStartThatTurnsOvertimeOffShowsNoWorkingHours)
{
    Start();
    wxTEST_DIALOG(
        session->RunFirstRun(),
        PressOk<OptionsDialog>([](OptionsDialog& dialog)
                               { Find<wxCheckBox>(dialog, "workingTime").SetValue(false); }));
    EXPECT_FALSE(App().GetOptions().IsWorkingTimeEnabled());
}

TEST_F(AppCommandWindows, SwitchingToHoursAndMinutesRedrawsEveryLineAndTheStatusLineAtOnce)
{
    WriteConfig(OfficeInFormat(1));
    Start();
    ASSERT_EQ(TreeLines(),
              Decimal({"  2,8  [2,8]  Office", "    0,3    Mail", "    2,5    Report"}));

    wxTEST_DIALOG(Execute(res::ID_TOOLS_OPTIONS),
                  PressOk<OptionsDialog>([](OptionsDialog& dialog)
                                         { Radio(dialog, "4:45").SetValue(true); }));

    EXPECT_EQ(TreeLines(), (std::vector<std::string>{"  2:45  [2:45]  Office", "    0:15    Mail",
                                                     "    2:30    Report"}));
    EXPECT_EQ(StatusLine(), "Open todos: 2:45      Projects: 2:45      Working time: -1:30");
}

TEST_F(AppCommandWindows, TurningOvertimeOffGreysTheOvertimeMenuAndOnEnablesIt)
{
    Start();
    wxMenuBar& menus = *Frame()->GetMenuBar();
    ASSERT_TRUE(menus.IsEnabledTop(res::kOvertimeMenuPosition));

    for (bool overtime : {false, true})
    {
        wxTEST_DIALOG(Execute(res::ID_TOOLS_OPTIONS),
                      PressOk<OptionsDialog>(
                          [overtime](OptionsDialog& dialog)
                          { Find<wxCheckBox>(dialog, "workingTime").SetValue(overtime); }));
        EXPECT_EQ(menus.IsEnabledTop(res::kOvertimeMenuPosition), overtime);
    }
}

// GTK always shows one button of a radio group selected; the dialog keeps a hidden one for a
// format without a button, so that OK does not turn it into the first button's format.
TEST_F(AppCommandWindows, OptionsShownForAFormatWithoutAButtonSelectNoneAndKeepIt)
{
    WriteConfig(OfficeInFormat(0));
    Start();
    OptionsForm form(App());
    form.Open();
    OptionsDialog dialog(Frame(), form, Frame()->GetPrompts());
    dialog.Show();
    ASSERT_TRUE(PumpUntil([&] { return dialog.IsShownOnScreen(); }));
    Pump(100);
    Screenshot(dialog, "options-dialog");

    // The labels write the user's decimal character, as the tree does.
    for (const std::string& label : Decimal({"4,8", "4,75", "4:45"}))
        EXPECT_FALSE(Radio(dialog, label.c_str()).GetValue()) << label;
    EXPECT_TRUE(Radio(dialog, "one digit").GetValue());
    // The buttons come last in the tab order, after the rounding choices.
    const wxWindowList& children = dialog.GetChildren();
    ASSERT_GE(children.size(), 2u);
    EXPECT_EQ(children.GetLast()->GetPrevious()->GetData()->GetId(), wxID_OK);
    EXPECT_EQ(children.GetLast()->GetData()->GetId(), wxID_CANCEL);
    // The local-days switch shows the option and sets it on OK.
    wxCheckBox& daysLocal = Find<wxCheckBox>(dialog, "daysLocal");
    EXPECT_FALSE(daysLocal.GetValue());
    daysLocal.SetValue(true);
    EXPECT_TRUE(dialog.TransferDataFromWindow());
    EXPECT_EQ(App().GetDurations().TimeFormat(), 0);
    EXPECT_EQ(App().GetDurations().TimeRound(), 1);
    EXPECT_TRUE(App().GetOptions().AreDaysLocal());
    dialog.Hide();
}

TEST_F(AppCommandWindows, WorkingHoursOpenOnTheOvertimeAndRefuseOnTheFieldAtFault)
{
    WriteConfig(OfficeInFormat(1));
    Start();
    WorkingTimeForm form(App());
    form.Open();
    WorkingTimeDialog dialog(Frame(), form, Frame()->GetPrompts());
    dialog.Show();
    ASSERT_TRUE(PumpUntil([&] { return dialog.IsShownOnScreen(); }));
    Screenshot(dialog, "working-hours-dialog");

    wxTextCtrl& overtime = Find<wxTextCtrl>(dialog, "overtime");
    EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &overtime; }));
    // Format 1 shows one decimal in the tree, two in the dialog.
    EXPECT_EQ(FromWx(overtime.GetValue()), Decimal("-1,50"));

    // A weekday that is not a duration keeps the dialog open on that weekday, its text
    // selected, and changes nothing.
    wxTextCtrl& wednesday = Find<wxTextCtrl>(dialog, "wednesday");
    overtime.ChangeValue("2");
    wednesday.ChangeValue("7h");
    wxTEST_DIALOG(
        EXPECT_FALSE(dialog.TransferDataFromWindow()),
        ExpectMessageBox("Please enter a time in hours, such as " + Decimal("12,50") + ".",
                         wxICON_ERROR, wxOK));
    EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &wednesday; }));
    long from = -1;
    long to = -1;
    wednesday.GetSelection(&from, &to);
    EXPECT_EQ(0, from);
    EXPECT_EQ(wednesday.GetLastPosition(), to);
    EXPECT_EQ(App().GetOvertimeAccount().GetBalance(), -5400);
    dialog.Hide();
}

TEST_F(AppCommandWindows, CleanUpChoicesShowAsStoredAndAreStoredOnOk)
{
    Start();
    wxTEST_DIALOG(Execute(res::ID_TOOLS_CLEAN_UP),
                  PressOk<CleanUpDialog>(
                      [](CleanUpDialog& dialog)
                      {
                          EXPECT_EQ(dialog.GetTitle(), "Clean up todos");
                          EXPECT_TRUE(Find<wxCheckBox>(dialog, "zeroClocks").GetValue());
                          Find<wxCheckBox>(dialog, "zeroClocks").SetValue(false);
                      }));
    wxTEST_DIALOG(Execute(res::ID_TOOLS_CLEAN_UP),
                  PressOk<CleanUpDialog>(
                      [](CleanUpDialog& dialog)
                      {
                          EXPECT_FALSE(Find<wxCheckBox>(dialog, "zeroClocks").GetValue());
                          EXPECT_TRUE(Find<wxCheckBox>(dialog, "deleteCompleted").GetValue());
                      }));
}

TEST_F(AppCommandWindows, TheAwayThresholdIsSetInTheOptionsAndKeptForTheNextStart)
{
    Start();
    EXPECT_EQ(App().GetOptions().GetAwayThresholdMinutes(), 15);
    wxTEST_DIALOG(Execute(res::ID_TOOLS_OPTIONS),
                  PressOk<OptionsDialog>([](OptionsDialog& dialog)
                                         { Find<wxSpinCtrl>(dialog, "awayMinutes").SetValue(0); }));
    EXPECT_EQ(App().GetOptions().GetAwayThresholdMinutes(), 0);
    EndSession();
    Start();
    EXPECT_EQ(App().GetOptions().GetAwayThresholdMinutes(), 0);
}

// Exit straight after a sleep, before any tick: the away question comes before the quit
// questions, Cancel keeps the program running, and the answer is booked.
TEST_F(AppCommandWindows, ExitRightAfterASleepAsksAboutTheAwayTimeFirst)
{
    WriteConfig(OfficeInFormat(3));
    Start();
    Todo& report = TodoNamed("Office", "Report");
    App().Activate(report);
    clock.now.tm_hour += 8;
    clock.asleep += 8 * 3600;
    wxTEST_DIALOG(CloseWindow(), wxExpectDismissableModal<AwayTimeDialog>(wxID_CANCEL));
    ASSERT_NE(Frame(), nullptr);
    wxTEST_DIALOG(CloseWindow(), PressOk<AwayTimeDialog>(),
                  ExpectMessageBox("You have an active todo. Ending Tallydene will\nstop the "
                                   "todo's clock. Are you sure to quit?",
                                   wxICON_QUESTION, wxNO));
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(report.GetTime(), 9000 + 8 * 3600);
}

// Eight hours asleep with Report running: the ticks book nothing and the question opens once,
// from the event loop; discarding and pausing keeps the night off the todo and stops it.
TEST_F(AppCommandWindows, TheAwayQuestionAfterASleepOpensOnceAndAppliesTheChoice)
{
    WriteConfig(OfficeInFormat(3));
    Start();
    Todo& report = TodoNamed("Office", "Report");
    App().Activate(report);
    clock.now.tm_hour += 8;
    clock.asleep += 8 * 3600;
    wxTimer sameId(Frame(), 1); // ticks as the window's own timer gives them
    for (int ticks = 0; ticks < 2; ++ticks)
    {
        wxTimerEvent tick(sameId);
        Frame()->ProcessWindowEvent(tick);
    }
    EXPECT_EQ(report.GetTime(), 9000);

    std::string question;
    wxTEST_DIALOG(wxTheApp->ProcessPendingEvents(),
                  PressOk<AwayTimeDialog>(
                      [&question](AwayTimeDialog& dialog)
                      {
                          question = FromWx(dialog.GetChildren()[0]->GetLabel());
                          Radio(dialog, "Discard it and &pause").SetValue(true);
                      }));
    EXPECT_NE(question.find("(8:00) while Report was running."), std::string::npos) << question;
    EXPECT_EQ(report.GetTime(), 9000);
    EXPECT_EQ(App().GetActiveTodo(), nullptr);
    EXPECT_FALSE(App().GetAwayTime().has_value());
}

// The away question by keyboard alone: the focus starts on the chosen answer, Down moves to the
// next, Alt+P picks "Discard it and pause"; the question wraps however long the todo's name.
TEST_F(AppCommandWindows, TheAwayQuestionIsAnsweredWithTheKeys)
{
    WindowManager windowManager; // gives the dialog the keyboard
    Start();
    AwayTimeForm form(App());
    for (int word = 0; word < 60; ++word)
        form.question += " Report";
    AwayTimeDialog dialog(Frame(), form, Frame()->GetPrompts());
    dialog.Show();
    wxRadioButton& keep = Radio(dialog, "&Keep it on the todo");
    ASSERT_TRUE(PumpUntil([&keep] { return wxWindow::FindFocus() == &keep; }));
    EXPECT_LT(dialog.GetSize().x, 800);
    wxUIActionSimulator keys;
    keys.Char(WXK_DOWN);
    EXPECT_TRUE(
        PumpUntil([&] { return Radio(dialog, "&Discard it and keep running").GetValue(); }));
    keys.Char('p', wxMOD_ALT);
    EXPECT_TRUE(PumpUntil([&] { return Radio(dialog, "Discard it and &pause").GetValue(); }));
    dialog.Hide();
}
