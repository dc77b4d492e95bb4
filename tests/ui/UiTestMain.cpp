#include "tests/support/PrivateHome.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

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
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
