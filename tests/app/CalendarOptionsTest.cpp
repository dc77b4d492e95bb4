#include "app/calendar/CalendarPassword.h"
#include "app/forms/OptionsForm.h"
#include "res/CommandIds.h"
#include "tests/app/CommandScenario.h"
#include "tests/support/ScopedVariable.h"

#include <filesystem>
#include <fstream>
#include <iterator>

class CalendarOptions : public CommandScenario
{
};

// Without a session bus, as here, the password goes to a file of its own, never into the
// data file; an address that is no web address is refused with its field focused.
TEST_F(CalendarOptions, PublishingNeedsAWebAddressAndKeepsThePasswordOutOfTheDataFile)
{
    ScopedVariable noBus("DBUS_SESSION_BUS_ADDRESS", "");
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(2026, 3, 4, 12, 0, 0);
    WriteConfig(settings);
    clock.Set(2026, 3, 4, 12, 0, 0);
    Run();
    const uint64_t revision = app->GetOptions().GetCalendarRevision();

    OptionsForm form(*app);
    form.Open();
    form.calendarPublish = true;
    form.calendarAddress = "cloud.example.org/dav/anna/work/";
    form.calendarUser = "anna";
    form.calendarPassword = "s3cret pass";
    const FormResult refused = form.Confirm(prompts);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(FormField::CalendarAddress, refused.focus);
    ASSERT_EQ(1u, prompts.shown.size());
    EXPECT_FALSE(app->GetOptions().IsCalendarPublished());

    form.calendarAddress = "https://cloud.example.org/dav/anna/work/";
    form.calendarPerDay = true;
    ASSERT_TRUE(form.Confirm(prompts).accepted);
    EXPECT_TRUE(app->GetOptions().IsCalendarPublished());
    EXPECT_TRUE(app->GetOptions().IsCalendarPerDay());
    EXPECT_NE(revision, app->GetOptions().GetCalendarRevision());
    const std::filesystem::path kept = DataFolder() / "calendar-password";
    EXPECT_EQ(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
              std::filesystem::status(kept).permissions());
    EXPECT_EQ("s3cret pass",
              CalendarPassword::Lookup(DataFolder().string(), form.calendarAddress, "anna"));
    EXPECT_EQ("", CalendarPassword::Lookup(DataFolder().string(), form.calendarAddress, "bob"));

    // Opened again, the form shows what was kept; the data file names no password.
    OptionsForm again(*app);
    again.Open();
    EXPECT_EQ("s3cret pass", again.calendarPassword);
    ASSERT_TRUE(app->SaveAndReport());
    const std::string saved = SavedConfig();
    // The data file writes a slash as "\/".
    EXPECT_NE(std::string::npos,
              saved.find(R"(<CalendarAddress>https:\/\/cloud.example.org\/dav\/anna\/work\/</>)"))
        << saved;
    EXPECT_NE(std::string::npos, saved.find("<CalendarPublish>1</>"));
    EXPECT_EQ(std::string::npos, saved.find("s3cret"));
}
