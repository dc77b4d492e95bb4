#include "tests/ui/WindowTest.h"

#include "res/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/WxText.h"
#include "ui/dialogs/ReportDialog.h"

#include <wx/button.h>
#include <wx/filedlg.h>

namespace
{

using ReportExport = WindowTest;

// "Export CSV..." offers the documents folder, not the folder the program was started in.
TEST_F(ReportExport, StartsInTheDocumentsFolder)
{
    MainFrame& frame = Start();
    wxCommandEvent command(wxEVT_MENU, res::WxIdOf(res::ID_VIEW_REPORT));
    std::string folder;
    wxTEST_DIALOG(frame.ProcessWindowEvent(command),
                  ExpectDialog<ReportDialog>(
                      [](ReportDialog& dialog)
                      {
                          auto* button = dynamic_cast<wxButton*>(
                              wxWindow::FindWindowByLabel(_("&Export CSV..."), &dialog));
                          EXPECT_NE(button, nullptr);
                          if (button != nullptr)
                          {
                              wxCommandEvent press(wxEVT_BUTTON, button->GetId());
                              press.SetEventObject(button);
                              button->ProcessWindowEvent(press);
                          }
                          return wxID_CANCEL;
                      }),
                  ExpectDialog<wxFileDialog>(
                      [&folder](wxFileDialog& dialog)
                      {
                          folder = FromWx(dialog.GetDirectory());
                          return wxID_CANCEL;
                      }));
    EXPECT_EQ(places.DocumentsFolder().string(), folder);
}

} // namespace
