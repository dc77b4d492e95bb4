#include "tests/ui/WindowTest.h"

#include "app/journal/JournalFile.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"
#include "ui/dialogs/ReportChart.h"
#include "ui/dialogs/ReportDialog.h"

#include <wx/image.h>
#include <wx/listctrl.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace
{

// 2 March 2026, 08:00 UTC, the Monday of the test clock's week.
constexpr int64_t kMonday = 1772438400;
constexpr int64_t kDay = 86400;

class ReportWindow : public WindowTest
{
protected:
    ReportWindow()
    {
        zone.emplace("TZ", "UTC0", tzset);
        ConfigText config;
        config.Open("Options").Value("WorkingTimeEnabled", 1).Close("Options");
        config.Open("WorkingTime").Value("Actual", 3600);
        for (int weekday = 0; weekday < 7; ++weekday)
            config.Value("Target" + std::to_string(weekday), weekday < 5 ? 6 * 3600 : 0);
        config.Close("WorkingTime");
        config.Open("Projects");
        config.Open("Office").Value("TotalTime", 0);
        config.Open("Todos").Todo("Mail", 2, 0).Todo("Report", 2, 0).Close("Todos");
        config.Close("Office");
        config.Close("Projects");
        WriteConfig(config);
        const JournalFile journal(JournalPath().string());
        // Worked on Monday to Wednesday: 5, 7 and 6 hours.
        const int64_t hours[] = {5, 7, 6};
        for (int day = 0; day < 3; ++day)
        {
            const int64_t start = kMonday + day * kDay;
            const int64_t mail = 3600;
            const int64_t report = (hours[day] - 1) * 3600;
            journal.Append(
                {"session", start, start + mail, mail, mail, mail, "Office", "Mail", "switched"});
            journal.Append({"session", start + mail, start + mail + report, report, report, report,
                            "Office", "Report", "paused"});
        }
    }

    // How many pixels of the colour the chart's part of the screenshot holds.
    static int PixelsOf(const wxImage& shot, const wxRect& chart, const wxColour& colour)
    {
        int count = 0;
        for (int y = chart.y; y < chart.GetBottom() && y < shot.GetHeight(); ++y)
            for (int x = chart.x; x < chart.GetRight() && x < shot.GetWidth(); ++x)
                if (std::abs(shot.GetRed(x, y) - colour.Red()) < 8 &&
                    std::abs(shot.GetGreen(x, y) - colour.Green()) < 8 &&
                    std::abs(shot.GetBlue(x, y) - colour.Blue()) < 8)
                    ++count;
        return count;
    }
};

} // namespace

TEST_F(ReportWindow, ShowsTheWeeksTotalsAndDrawsTheChart)
{
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REPORT));
    wxTEST_DIALOG(frame.ProcessWindowEvent(command),
                  ExpectDialog<ReportDialog>(
                      [](ReportDialog& dialog)
                      {
                          EXPECT_EQ(
                              (std::vector<std::string>{"Office||18:00|18.00", "|Mail|3:00|3.00",
                                                        "|Report|15:00|15.00"}),
                              ListRows(dialog.GetList(), {0, 1, 2, 3}));
                          dialog.Show();
                          Pump(300);
                          const wxImage shot(Screenshot(dialog, "report").string());
                          EXPECT_TRUE(shot.IsOk());
                          // The chart's place in the screenshot: both are in screen pixels.
                          ReportChart& chart = dialog.GetChart();
                          wxRect area = chart.GetScreenRect();
                          area.Offset(-dialog.GetScreenPosition());
                          // More than the legend's small box of each colour.
                          EXPECT_GT(PixelsOf(shot, area, ReportChart::kWorked), 500);
                          EXPECT_GT(PixelsOf(shot, area, ReportChart::kBalance), 400);
                          // Room for more than seven rows, and more in a taller window.
                          wxListCtrl& list = dialog.GetList();
                          wxRect row;
                          list.GetItemRect(0, row);
                          const int height = list.GetClientSize().y;
                          EXPECT_GT(height / row.height, 8);
                          dialog.SetSize(dialog.GetSize() + wxSize(0, 200));
                          dialog.Layout();
                          EXPECT_GT(list.GetClientSize().y, height + 100);
                          dialog.Hide();
                          return wxID_CANCEL;
                      }));
}

// A journal written by something else: one line of impossible numbers, left out, and a day of
// amounts that each could be true but add up to two billion hours. The chart still draws, and
// the scale's hours cannot overflow into a loop that never ends.
TEST_F(ReportWindow, AJournalOfExtremeNumbersStillDraws)
{
    std::string lines =
        "session\t-9223372036854775808\t9223372036854775807\t1\t1\t1\tOffice\tMail\t"
        "paused\r\n";
    const int64_t largest = int64_t{1} << 32;
    for (int entry = 0; entry < 1700; ++entry)
        lines += JournalEntry{"add",   kMonday + kDay, kMonday + kDay, largest, largest,
                              largest, "Office",       "Mail",         ""}
                     .Format();
    std::ofstream(JournalPath(), std::ios::binary | std::ios::app) << lines;
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REPORT));
    wxTEST_DIALOG(frame.ProcessWindowEvent(command),
                  ExpectDialog<ReportDialog>(
                      [](ReportDialog& dialog)
                      {
                          dialog.Show();
                          Pump(300);
                          EXPECT_TRUE(
                              wxImage(Screenshot(dialog, "report-extreme").string()).IsOk());
                          dialog.Hide();
                          return wxID_CANCEL;
                      }));
}
