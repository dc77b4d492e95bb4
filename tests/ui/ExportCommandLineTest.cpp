#include "app/journal/JournalFile.h"
#include "tests/support/TestPlaces.h"
#include "tests/ui/ProgramProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

// The built program asked for an export: it writes the file and ends, without a display to
// open a window on.
TEST(ExportCommandLine, WritesTheFileWithoutAWindowAndFailsOnABadDate)
{
    TestPlaces places;
    places.SetEnvironment("TZ", "UTC0");
    places.SetEnvironment("DISPLAY", std::nullopt);
    places.SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
    const std::filesystem::path data = places.DataFolder() / "Brindlecott" / "Tallydene";
    std::filesystem::create_directories(data);
    // 5 March 2026, 09:00-09:30 UTC.
    ASSERT_TRUE(JournalFile((data / "tallydene.journal").string())
                    .Append({"session", 1772701200, 1772703000, 1800, 1800, 0, "Office", "Mail",
                             "paused"}));
    const std::string out = (places.Root() / "week.csv").string();

    ProgramProcess exporting(places, {"--export-csv", out, "--from", "2026-03-02"});
    ASSERT_TRUE(exporting.started);
    EXPECT_EQ(0, exporting.WaitForExit(20000));
    std::ifstream file(out, std::ios::binary);
    EXPECT_EQ("Date,Start,End,Project,Todo,Duration,Hours,Ended\r\n"
              "2026-03-05,09:00,09:30,Office,Mail,0:30,0.50,paused\r\n",
              std::string((std::istreambuf_iterator<char>(file)), {}));

    ProgramProcess badDate(places, {"--export-csv", out, "--to", "2026-02-30"});
    EXPECT_EQ(2, badDate.WaitForExit(20000));
    ProgramProcess noFolder(places, {"--export-csv", (places.Root() / "no" / "x.csv").string()});
    EXPECT_EQ(1, noFolder.WaitForExit(20000));
}

// Asking for the usage, or giving an argument the program does not know, ends at once: no
// window, no data folder made, no clock question over the user's data.
TEST(ExportCommandLine, HelpAndUnknownArgumentsEndWithoutTouchingTheData)
{
    TestPlaces places;
    const std::filesystem::path data = places.DataFolder() / "Brindlecott";
    for (const char* help : {"--help", "-h"})
    {
        ProgramProcess asking(places, {help});
        EXPECT_EQ(0, asking.WaitForExit(20000)) << help;
    }
    ProgramProcess unknown(places, {"--bogus"});
    EXPECT_EQ(2, unknown.WaitForExit(20000));
    EXPECT_FALSE(std::filesystem::exists(data));
}
