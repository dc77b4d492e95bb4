#include "tests/ui/DesktopProcess.h"
#include "tests/ui/ProgramProcess.h"
#include "tests/ui/WindowTest.h"

#include "app/Durations.h"
#include "app/Tallydene.h"
#include "app/journal/JournalFile.h"
#include "res/CommandIds.h"
#include "toolbox/Translation.h"
#include "ui/Language.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/HistoryList.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/ReportChart.h"
#include "ui/dialogs/ReportDialog.h"
#include "ui/dialogs/WorkingTimeDialog.h"

#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace
{

constexpr const char* kGerman = "de_DE.UTF-8";

// The program's windows in this process as a user under a German locale sees them, with the
// built catalog beside the program.
class GermanWindows : public WindowTest
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directory_symlink(TALLYDENE_BINARY_DIR "/ui/locale",
                                                  places.ProgramFolder() / "locale");
        Language::Start();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        toolbox::Translation::SetTranslator(nullptr);
        wxTranslations::Set(nullptr);
        lcAll.reset();
        std::setlocale(LC_ALL, "");
    }

    std::optional<ScopedVariable> lcAll{std::in_place, "LC_ALL", kGerman};
};

template <class Control> Control& Named(wxWindow& dialog, const char* name)
{
    auto* control = dynamic_cast<Control*>(wxWindow::FindWindowByName(name, &dialog));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

template <class Dialog> class Answer : public wxExpectModalBase<Dialog, Answer<Dialog>>
{
public:
    explicit Answer(std::function<int(Dialog&)> look) : look(std::move(look)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return look(*dialog); }

private:
    std::function<int(Dialog&)> look;
};

} // namespace

TEST_F(GermanWindows, MenusTitlesDialogsAndTimesAreGermanWithTheDecimalComma)
{
    ConfigText config;
    config.Open("Options").Value("TimeFormat", 2).Close("Options");
    config.Open("Projects").Open("Haus").Open("Todos").Todo("Garten", 2, 5400);
    config.Close("Todos").Close("Haus").Close("Projects");
    WriteConfig(config);
    MainFrame& frame = Start();

    wxMenuBar& bar = *frame.GetMenuBar();
    EXPECT_EQ(FromWx(bar.GetMenuLabel(0)), "&Datei");
    EXPECT_EQ(FromWx(bar.GetMenuLabel(2)), "&Aufgabe");
    wxMenuItem* pause = bar.FindItem(res::WxIdOf(res::ID_TODO_PAUSE));
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(FromWx(pause->GetItemLabelText()), "Pause");
    EXPECT_EQ(FromWx(pause->GetHelp()), "Hält die laufende Zeitmessung an.");
    EXPECT_EQ(FromWx(frame.GetTitle()), "Pausiert - Tallydene");
    Screenshot(frame, "german-main-window");

    // The status line is translated around the times, which carry the decimal comma.
    EXPECT_EQ(FromWx(frame.GetStatusBar()->GetStatusText()),
              "Offene Aufgaben: 1,50      Projekte: 1,50      Arbeitszeit: 0,00");

    wxTEST_DIALOG(session->RunFirstRun(),
                  Answer<OptionsDialog>(
                      [](OptionsDialog& dialog)
                      {
                          EXPECT_EQ(FromWx(dialog.GetTitle()), "Einstellungen");
                          return wxID_CANCEL;
                      }),
                  Answer<WorkingTimeDialog>(
                      [](WorkingTimeDialog& dialog)
                      {
                          EXPECT_EQ(FromWx(dialog.GetTitle()), "Arbeitszeiten");
                          Screenshot(dialog, "german-working-hours");
                          // What the dialog shows in the user's form reads back.
                          Named<wxTextCtrl>(dialog, "monday").ChangeValue("7,75");
                          EXPECT_TRUE(dialog.TransferDataFromWindow());
                          return wxID_OK;
                      }));
    EXPECT_EQ(App().GetOvertimeAccount().GetTarget(0), 7 * 3600 + 45 * 60);
    EXPECT_EQ(App().GetDurations().DurationHint(), "(z. B. 12,50 oder 12:30)");
}

// The history window in German; its date range ends at "Bis", a word of its own beside the
// "Nach" a transfer goes to.
TEST_F(GermanWindows, TheHistoryWindowIsGermanWithADateRangeOfItsOwnWords)
{
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_HISTORY));
    wxTEST_DIALOG(
        frame.ProcessWindowEvent(command),
        Answer<HistoryDialog>(
            [](HistoryDialog& dialog)
            {
                EXPECT_EQ(FromWx(dialog.GetTitle()), "Verlauf");
                std::vector<std::string> labels;
                for (wxWindow* child : dialog.GetChildren())
                    if (auto* text = dynamic_cast<wxStaticText*>(child))
                        labels.push_back(FromWx(text->GetLabel()));
                EXPECT_EQ(labels, (std::vector<std::string>{"&Aufgabe:", "&Von:", "&Bis:"}));
                wxListItem column;
                column.SetMask(wxLIST_MASK_TEXT);
                dialog.GetList().GetColumn(1, column);
                EXPECT_EQ(FromWx(column.GetText()), "Dauer");
                return wxID_CANCEL;
            }));
    EXPECT_EQ(toolbox::Translation::Tr("T&o:"), "&Nach:");
}

// A balance of -14 hours in German: the chart's hours read "-12 Std." and wider, and every
// label stands whole inside the chart, also on a screen scaled to 200% (the build's extra run).
// The hours of the table carry the decimal comma.
TEST_F(GermanWindows, TheReportsHoursStandWholeBesideANegativeBalance)
{
    ConfigText config;
    config.Open("Options").Value("WorkingTimeEnabled", 1).Close("Options");
    config.Open("WorkingTime").Value("Actual", -14 * 3600).Close("WorkingTime");
    config.Open("Projects").Open("Haus").Open("Todos").Todo("Garten", 2, 5400);
    config.Close("Todos").Close("Haus").Close("Projects");
    WriteConfig(config);
    // Monday 2 March 2026, the test clock's week: an hour and a half worked.
    const int64_t monday = 1772438400;
    JournalFile(JournalPath().string())
        .Append({"session", monday, monday + 5400, 5400, 5400, 5400, "Haus", "Garten", "paused"});
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REPORT));
    wxTEST_DIALOG(
        frame.ProcessWindowEvent(command),
        Answer<ReportDialog>(
            [](ReportDialog& dialog)
            {
                EXPECT_EQ((std::vector<std::string>{"Haus|1,50", "|1,50"}),
                          ListRows(dialog.GetList(), {0, 3}));
                dialog.Show();
                Pump(300);
                const wxImage shot(Screenshot(dialog, "german-report").string());
                // The chart's place in the screenshot, in the screen's own pixels.
                const double scale = dialog.GetContentScaleFactor();
                const wxRect logical = dialog.GetChart().GetScreenRect();
                const wxPoint offset = logical.GetPosition() - dialog.GetScreenPosition();
                const wxRect chart(wxRound(offset.x * scale), wxRound(offset.y * scale),
                                   wxRound(logical.width * scale), wxRound(logical.height * scale));
                // The labels' text: dark pixels left of the plot, none on the chart's edge.
                const auto darkIn = [&](int from, int to)
                {
                    int count = 0;
                    // A scaled screen may have less room than the window.
                    for (int y = chart.y; y < std::min(chart.GetBottom(), shot.GetHeight()); ++y)
                        for (int x = chart.x + from; x < chart.x + to; ++x)
                            count += shot.GetRed(x, y) < 110 && shot.GetGreen(x, y) < 110 &&
                                     shot.GetBlue(x, y) < 110;
                    return count;
                };
                EXPECT_EQ(0, darkIn(0, 3));
                EXPECT_GT(darkIn(0, chart.width / 6), 100 * scale);
                dialog.Hide();
                return wxID_CANCEL;
            }));
}

// The built program started by a user whose locale is German titles its window in German.
TEST(GermanProgram, TitlesItsWindowInGerman)
{
    WindowManager windowManager;
    TestPlaces places;
    const ScopedVariable lang("LANG", kGerman);
    ProgramProcess program(places);
    ASSERT_TRUE(program.started);
    EXPECT_TRUE(WindowTest::PumpUntil(
        [] {
            return !CommandOutput("xdotool search --onlyvisible --name '^Pausiert - Tallydene$'")
                        .empty();
        },
        20000));
}
