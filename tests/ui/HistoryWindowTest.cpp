#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "app/journal/JournalFile.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/VirtualTree.h"
#include "ui/WxText.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/HistoryList.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <algorithm>

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
                          EXPECT_EQ((std::vector<std::string>{"Thursday, 05 March 2026|1:00|",
                                                              "09:30 - 10:00|0:30|Report",
                                                              "09:00 - 09:30|0:30|Mail",
                                                              "Wednesday, 04 March 2026|0:30|",
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

// Report runs since 10:00, ten minutes so far; a session forgotten on Wednesday afternoon is added
// to Mail through the Add button. The running session ends "now", each day shows its total, the
// added session is booked, journalled and undone as one step.
TEST_F(HistoryWindow, ListsTheRunningSessionAndAddsAForgottenOne)
{
    MainFrame& frame = Start();
    App().Activate(TodoNamed("Office", "Report"));
    clock.now.tm_min = 10;
    wxTimer sameId(&frame, 1); // a tick as the window's own timer gives it
    wxTimerEvent tick(sameId);
    frame.ProcessWindowEvent(tick);
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_HISTORY));
    wxTEST_DIALOG(frame.ProcessWindowEvent(command),
                  ExpectDialog<HistoryDialog>(
                      [](HistoryDialog& dialog)
                      {
                          HistoryList& list = dialog.GetList();
                          const std::vector<std::string> rows = ListRows(list, {0, 1, 3});
                          if (rows.size() != 6u)
                          {
                              ADD_FAILURE() << rows.size() << " rows";
                              return wxID_CANCEL;
                          }
                          EXPECT_EQ("Thursday, 05 March 2026|1:10|", rows[0]);
                          EXPECT_EQ("10:00 - now|0:10|Report", rows[1]);
                          // In a larger font the day headings still read whole.
                          list.SetFont(list.GetFont().Scaled(1.6f));
                          list.Refill();
                          wxFont bold = list.GetFont();
                          bold.MakeBold();
                          int width = 0, height = 0;
                          list.GetTextExtent(ToWx(rows[0].substr(0, rows[0].find('|'))), &width,
                                             &height, nullptr, nullptr, &bold);
                          EXPECT_GT(list.GetColumnWidth(0), width);
                          auto* add =
                              dynamic_cast<wxButton*>(wxWindow::FindWindowByName("add", &dialog));
                          if (add == nullptr)
                              return wxID_CANCEL;
                          wxCommandEvent click(wxEVT_BUTTON, add->GetId());
                          add->ProcessWindowEvent(click);
                          const std::vector<std::string> after = ListRows(list, {0, 1, 3});
                          EXPECT_EQ((std::vector<std::string>{"Wednesday, 04 March 2026|2:00|",
                                                              "13:00 - 14:30|1:30|Mail",
                                                              "09:00 - 09:30|0:30|Report"}),
                                    std::vector<std::string>(after.begin() + 4, after.end()));
                          return wxID_CANCEL;
                      }),
                  ExpectDialog<wxDialog>(
                      [](wxDialog& ask)
                      {
                          auto& todo =
                              *dynamic_cast<wxChoice*>(wxWindow::FindWindowByName("todo", &ask));
                          todo.SetStringSelection("Office / Mail");
                          dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("start", &ask))
                              ->SetValue("2026-03-04 13:00");
                          dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("end", &ask))
                              ->SetValue("2026-03-04 14:30");
                          return wxID_OK;
                      }));
    EXPECT_EQ(1800 + 5400, TodoNamed("Office", "Mail").GetTime());
    const std::vector<JournalEntry> entries = JournalFile(JournalPath().string()).ReadAll();
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [](const JournalEntry& entry)
                            {
                                return entry.kind == "session" && entry.note == "added" &&
                                       entry.todo == "Mail" && entry.todoSeconds == 5400;
                            }));
    wxCommandEvent undo(wxEVT_MENU, res::WxIdOf(res::ID_EDIT_UNDO));
    frame.ProcessWindowEvent(undo);
    EXPECT_EQ(1800, TodoNamed("Office", "Mail").GetTime());
}
