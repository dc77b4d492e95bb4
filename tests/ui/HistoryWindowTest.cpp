#include "tests/ui/WindowTest.h"

#include "app/JournalFile.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/HistoryList.h"

#include <wx/treectrl.h>

#include <cstdlib>
#include <ctime>

namespace
{

// 5 March 2026, 09:00 UTC, the morning of the test clock's day.
constexpr int64_t kMorning = 1772701200;

class HistoryWindow : public WindowTest
{
protected:
    HistoryWindow()
    {
        // The history shows local times: here they are UTC.
        zone.emplace("TZ", "UTC0", tzset);
        ConfigText config;
        config.Open("Options").Value("TimeFormat", 3).Close("Options");
        config.Open("Projects");
        config.Open("Office").Value("TotalTime", 7200);
        config.Open("Todos").Todo("Mail", 2, 1800).Todo("Report", 2, 3600).Close("Todos");
        config.Close("Office");
        config.Close("Projects");
        WriteConfig(config);
        const JournalFile journal(JournalPath().string());
        journal.Append({"session", kMorning - 86400, kMorning - 86400 + 1800, 1800, 1800, 0,
                        "Office", "Report", "paused"});
        journal.Append(
            {"session", kMorning, kMorning + 1800, 1800, 1800, 0, "Office", "Mail", "switched"});
        journal.Append({"session", kMorning + 1800, kMorning + 3600, 1800, 1800, 0, "Office",
                        "Report", "paused"});
    }
};

} // namespace

TEST_F(HistoryWindow, ShowsTheDaysNewestFirstAndAnEditChangesTheTree)
{
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_HISTORY));
    wxTEST_DIALOG(frame.ProcessWindowEvent(command),
                  ExpectDialog<HistoryDialog>(
                      [&frame](HistoryDialog& dialog)
                      {
                          HistoryList& list = dialog.GetList();
                          EXPECT_EQ((std::vector<std::string>{
                                        "Thursday, 05 March 2026||", "09:30 - 10:00|0:30|Report",
                                        "09:00 - 09:30|0:30|Mail", "Wednesday, 04 March 2026||",
                                        "09:00 - 09:30|0:30|Report"}),
                                    ListRows(list, {0, 1, 3}));
                          dialog.Show();
                          Pump(200);
                          Screenshot(dialog, "history");
                          dialog.Hide();

                          // Mail's session made ten minutes longer.
                          const size_t mail = dialog.GetForm().Rows()[2].session;
                          EXPECT_TRUE(dialog.GetForm().EditSession(
                              mail, "2026-03-05 08:50", "2026-03-05 09:30", frame.GetPrompts()));
                          list.Refill();
                          EXPECT_EQ("08:50 - 09:30|0:40|Mail", ListRows(list, {0, 1, 3})[2]);
                          return wxID_CANCEL;
                      }));
    EXPECT_EQ(1800 + 600, TodoNamed("Office", "Mail").GetTime());
    EXPECT_EQ(7200 + 600, ProjectNamed("Office").GetTotalTime());
    const wxTreeItemId mailNode(App().GetMainTree()->NodeOf(TodoNamed("Office", "Mail")));
    EXPECT_EQ(FromWx(Tree().GetItemText(mailNode)), TodoNamed("Office", "Mail").GetLabel(App()));
    EXPECT_NE(std::string::npos, FromWx(Tree().GetItemText(mailNode)).find("0:40"));
}
