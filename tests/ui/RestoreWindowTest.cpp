#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/VirtualTree.h"
#include "ui/WxText.h"
#include "ui/dialogs/RestoreDialog.h"

#include <wx/listbox.h>

#include <filesystem>

namespace
{

ConfigText MailWith(int time)
{
    ConfigText config;
    config.Open("Projects").Open("Office").Value("TotalTime", time).Open("Todos");
    config.Todo("Mail", 2, time);
    config.Close("Todos").Close("Office").Close("Projects");
    return config;
}

} // namespace

class RestoreWindow : public WindowTest
{
};

// The File menu's command lists the backup in its dialog, chosen; OK asks, and Yes puts the
// backup's data in the tree and keeps the data it replaced beside the backup.
TEST_F(RestoreWindow, RestoresTheChosenBackupIntoTheTree)
{
    WriteConfig(MailWith(3600));
    const std::filesystem::path backups = ConfigFile().parent_path() / "backups";
    std::filesystem::create_directories(backups);
    std::filesystem::rename(ConfigFile(), backups / (ConfigFile().stem().string() + "-2026-03-04" +
                                                     ConfigFile().extension().string()));
    WriteConfig(MailWith(900));
    Start();

    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_FILE_RESTORE));
    wxTEST_DIALOG(
        Frame()->ProcessWindowEvent(command),
        ExpectDialog<RestoreDialog>(
            [](RestoreDialog& dialog)
            {
                auto* list =
                    dynamic_cast<wxListBox*>(wxWindow::FindWindowByName("backups", &dialog));
                EXPECT_TRUE(list != nullptr && list->GetCount() == 1 && list->GetSelection() == 0 &&
                            FromWx(list->GetString(0)).starts_with("2026-03-04    "));
                EXPECT_TRUE(dialog.TransferDataFromWindow());
                return wxID_OK;
            }),
        ExpectMessageBox("Replace your data with the backup of 2026-03-04? Your "
                         "current data is kept as a backup.",
                         wxICON_WARNING, wxYES));

    EXPECT_EQ(3600, App().GetProjects().Get(0)->GetTodos().Get(0)->GetTime());
    // The tree shows the restored items, not the ones they replaced.
    wxTreeItemIdValue cookie;
    const wxTreeItemId office = Tree().GetFirstChild(Tree().GetRootItem(), cookie);
    ASSERT_TRUE(office.IsOk());
    const wxTreeItemId mail = Tree().GetFirstChild(office, cookie);
    ASSERT_TRUE(mail.IsOk());
    EXPECT_NE(FromWx(Tree().GetItemText(mail)).find(App().FormatDuration(3600, 0)),
              std::string::npos)
        << FromWx(Tree().GetItemText(mail));
    std::size_t kept = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(backups))
        ++kept;
    EXPECT_EQ(2u, kept);
}
