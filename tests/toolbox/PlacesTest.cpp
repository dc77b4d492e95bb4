#include "toolbox/Places.h"

#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <string>

using toolbox::Places;

namespace
{

std::string Text(const std::optional<toolbox::String>& text)
{
    return text ? text->c_str() : "(none)";
}

} // namespace

TEST(Places, ProgramAndArgumentsComeFromTheProcessUnlessRedirected)
{
    // Without redirection, the running test binary.
    const std::string program = Places::ProgramPath().c_str();
    EXPECT_EQ(program.front(), '/');
    EXPECT_NE(program.find("toolbox_tests"), std::string::npos) << program;
    const std::vector<toolbox::String> arguments = Places::Arguments();
    ASSERT_FALSE(arguments.empty());
    EXPECT_NE(std::string(arguments.front().c_str()).find("toolbox_tests"), std::string::npos);

    {
        TestPlaces places;
        places.SetArguments({"/log", "", "info"});
        EXPECT_EQ(std::string(Places::ProgramPath().c_str()), places.ProgramPath().string());
        const std::vector<toolbox::String> redirected = Places::Arguments();
        ASSERT_EQ(redirected.size(), 4u);
        EXPECT_STREQ(redirected[2].c_str(), "");
        EXPECT_STREQ(redirected[3].c_str(), "info");
    }
    EXPECT_EQ(std::string(Places::ProgramPath().c_str()), program);
}

TEST(Places, DataFolderFollowsXdgDataHomeElseTheHome)
{
    TestPlaces places;
    EXPECT_EQ(Text(Places::LocalApplicationDataFolder()), places.DataFolder().string());
    places.SetEnvironment("XDG_DATA_HOME", "relative/data"); // ignored, as XDG says
    EXPECT_EQ(Text(Places::LocalApplicationDataFolder()),
              (places.HomeFolder() / ".local/share").string());
    places.SetEnvironment("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(Text(Places::LocalApplicationDataFolder()),
              (places.HomeFolder() / ".local/share").string());
}

TEST(Places, DocumentsFolderFollowsXdgThenUserDirsThenTheHome)
{
    TestPlaces places;
    EXPECT_EQ(Text(Places::DocumentsFolder()), places.DocumentsFolder().string());

    places.SetEnvironment("XDG_DOCUMENTS_DIR", std::nullopt);
    EXPECT_EQ(Text(Places::DocumentsFolder()), places.HomeFolder().string());

    std::filesystem::create_directories(places.Root() / "config");
    WriteFileBytes(places.Root() / "config" / "user-dirs.dirs",
                   "# written by xdg-user-dirs-update\n"
                   "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                   "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Papers\\\"\"\n");
    EXPECT_EQ(Text(Places::DocumentsFolder()), places.HomeFolder().string() + "/My \"Papers\"");

    WriteFileBytes(places.Root() / "config" / "user-dirs.dirs",
                   "XDG_DOCUMENTS_DIR=\"/srv/papers\"");
    EXPECT_EQ(Text(Places::DocumentsFolder()), "/srv/papers");
}
