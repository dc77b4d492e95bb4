#include "tests/support/PrivateHome.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/timer.h>

#include <cstdlib>

namespace
{

// The windows need a running toolkit but none of the program's own start-up, which the tests
// drive themselves; closing the last window must not end the test process.
class TestApp : public wxApp
{
public:
    bool OnInit() override
    {
        SetExitOnFrameDelete(false);
        return true;
    }
};

// A failed toolkit assertion is a failed test, not a dialog that waits for a click.
void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "toolkit assertion in " << function << ": " << condition << " " << message;
}

// A modal dialog that no test answers would wait for a click until the suite's time limit
// kills the whole run: after a while it fails the test and is closed with Cancel.
class ModalWatchdog : public wxModalDialogHook, public wxTimer
{
public:
    static constexpr int kPatienceMilliseconds = 30000;

protected:
    int Enter(wxDialog*) override
    {
        StartOnce(kPatienceMilliseconds);
        return wxID_NONE; // shown as usual
    }
    void Exit(wxDialog*) override {}

    void Notify() override
    {
        for (wxWindow* window : wxTopLevelWindows)
        {
            auto* dialog = dynamic_cast<wxDialog*>(window);
            if (dialog == nullptr || !dialog->IsModal())
                continue;
            ADD_FAILURE() << "a modal dialog waited unanswered: \"" << dialog->GetTitle().utf8_str()
                          << "\"";
            dialog->EndModal(wxID_CANCEL);
        }
    }
};

} // namespace

// The window tests' own main: the same private home, data and documents folders as every
// other test process, and a toolkit application around the tests.
int main(int argc, char** argv)
{
    UsePrivateHome();
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does) needs no display.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return EXIT_FAILURE;
    wxSetAssertHandler(FailOnAssert);
    wxInitAllImageHandlers();
    ModalWatchdog watchdog;
    watchdog.Register();
    const int result = RUN_ALL_TESTS();
    watchdog.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
