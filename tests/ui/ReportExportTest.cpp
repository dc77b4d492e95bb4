#include "tests/ui/WindowTest.h"

#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"
#include "ui/dialogs/ReportDialog.h"

#include <wx/button.h>
#include <wx/filedlg.h>

using ReportExport = WindowTest;

// "Export CSV..." offers the documents folder, not the folder the program was started in.
TEST_F(ReportExport, StartsInTheDocumentsFolder)
{
    Start();
    wxCommandEvent report(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REPORT));
    std::string folder;
    const auto pressExport = [](ReportDialog& dialog)
    {
        wxWindow* button = wxWindow::FindWindowByLabel(_("&Export CSV..."), &dialog);
        wxCommandEvent press(wxEVT_BUTTON, button->GetId());
        button->ProcessWindowEvent(press);
        return wxID_CANCEL;
    };
    wxTEST_DIALOG(Frame()->ProcessWindowEvent(report), ExpectDialog<ReportDialog>(pressExport),
                  ExpectDialog<wxFileDialog>(
                      [&folder](wxFileDialog& dialog)
                      {
                          folder = FromWx(dialog.GetDirectory());
                          return wxID_CANCEL;
                      }));
    EXPECT_EQ(places.DocumentsFolder().string(), folder);
}
