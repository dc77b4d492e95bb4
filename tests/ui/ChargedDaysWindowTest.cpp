#include "tests/ui/WindowTest.h"

#include "app/Tallydene.h"
#include "app/clock/ClockValue.h"
#include "ui/MainFrame.h"

#include <string>

namespace
{

class ChargedDaysWindowTest : public WindowTest
{
};

} // namespace

// Last run on Friday 13 February, started on Thursday 5 March: the question about the long
// gap comes over the window already shown, and No charges nothing.
TEST_F(ChargedDaysWindowTest, AStartAfterALongGapAsksOverTheShownWindow)
{
    std::tm friday{};
    friday.tm_year = 126;
    friday.tm_mon = 1;
    friday.tm_mday = 13;
    friday.tm_hour = 17;
    ConfigText config;
    config.Open("Application").Value("LastTimeUpdated", ClockValueOf(friday));
    config.Open("OnceActions").Value("FirstRun", 0).Close("OnceActions").Close("Application");
    config.Open("WorkingTime");
    for (int weekday = 0; weekday < 5; ++weekday)
        config.Value("Target" + std::to_string(weekday), 8 * 3600);
    config.Close("WorkingTime");
    WriteConfig(config);

    bool windowShown = false;
    wxTEST_DIALOG(Start(), ExpectDialog<MessageBox>(
                               [&](MessageBox& box)
                               {
                                   windowShown = Frame() != nullptr && Frame()->IsShown();
                                   EXPECT_EQ("Charge the targets of the 14 working days since "
                                             "13 February?",
                                             box.GetMessage());
                                   return wxID_NO;
                               }));
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(0, App().GetOvertimeAccount().GetBalance());
    EndSession();
}
