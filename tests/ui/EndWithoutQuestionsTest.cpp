#include "tests/ui/WindowTest.h"

#include "ui/EndWithoutQuestions.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <csignal>

namespace
{

// The idle time in which the window is closed; the tests have no main loop of their own.
bool IdleUntil(const std::function<bool()>& condition)
{
    return WindowTest::PumpUntil(
        [&]
        {
            wxTheApp->ProcessIdle();
            return condition();
        });
}

TEST(EndWithoutQuestionsTest, ASignalCancelsWhatIsOpenRefusesWhatWouldOpenAndThenClosesOnce)
{
    int closes = 0;
    EndWithoutQuestions end(*wxTheApp, [&] { ++closes; });

    // A question over a dialog, as a command asks while its dialog is open; the signal comes
    // while both wait for the user.
    wxDialog dialog(nullptr, wxID_ANY, "Form");
    int answer = 0;
    int closesWhileOpen = -1;
    dialog.CallAfter(
        [&]
        {
            wxTheApp->CallAfter([] { raise(SIGTERM); });
            answer = wxMessageBox("Sure?", "Tallydene", wxYES_NO | wxICON_QUESTION, &dialog);
            wxTheApp->ProcessIdle(); // idle time while the dialog's loop still runs
            closesWhileOpen = closes;
        });
    EXPECT_EQ(wxID_CANCEL, dialog.ShowModal());
    EXPECT_EQ(wxCANCEL, answer);
    EXPECT_EQ(0, closesWhileOpen) << "the window must outlast the dialogs over it";

    wxDialog later(nullptr, wxID_ANY, "Later");
    EXPECT_EQ(wxID_CANCEL, later.ShowModal()) << "a command's next dialog is not shown";

    EXPECT_TRUE(IdleUntil([&] { return closes > 0; }));
    raise(SIGINT); // a second signal changes nothing
    WindowTest::Pump(100);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(1, closes);
}

TEST(EndWithoutQuestionsTest, AContextMenuOpenAtTheSignalClosesBeforeTheWindow)
{
    wxFrame frame(nullptr, wxID_ANY, "Menu");
    frame.Show();
    WindowTest::Pump(100);
    int closes = 0;
    EndWithoutQuestions end(*wxTheApp, [&] { ++closes; });
    frame.Bind(wxEVT_MENU_OPEN,
               [](wxMenuEvent& event)
               {
                   event.Skip();
                   raise(SIGTERM);
               });

    wxMenu menu;
    menu.Append(wxID_ANY, "Item");
    EXPECT_TRUE(frame.PopupMenu(&menu)); // returns once the signal has closed the menu
    EXPECT_EQ(0, closes);
    EXPECT_TRUE(IdleUntil([&] { return closes == 1; }));
}

TEST(EndWithoutQuestionsTest, TheDesktopsEndOfSessionEndsWithoutAVeto)
{
    int closes = 0;
    EndWithoutQuestions end(*wxTheApp, [&] { ++closes; });

    wxCloseEvent query(wxEVT_QUERY_END_SESSION);
    query.SetCanVeto(true);
    wxTheApp->ProcessEvent(query);
    EXPECT_FALSE(query.GetVeto());
    wxTheApp->ProcessIdle();
    EXPECT_EQ(0, closes) << "asking whether the session may end ends nothing yet";

    wxCloseEvent ending(wxEVT_END_SESSION);
    wxTheApp->ProcessEvent(ending);
    EXPECT_TRUE(IdleUntil([&] { return closes == 1; }));
}

} // namespace
