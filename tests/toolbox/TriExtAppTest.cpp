#include "toolbox/TriExtApp.h"
#include "toolbox/ConfigLocation.h"
#include "toolbox/ConfigSection.h"

#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <string>

using mfctriext::TriExtApp;

namespace
{

std::string ConfigWithMarker(const char* marker, bool firstRunDone)
{
    std::string text = std::string("<Options>\r\n\t<Marker>") + marker + "</>\r\n</Options>\r\n";
    if (firstRunDone)
        text += "<Application>\r\n\t<OnceActions>\r\n\t\t<FirstRun>0</>\r\n\t</OnceActions>\r\n"
                "</Application>\r\n";
    return text;
}

std::string MarkerOf(TriExtApp& app)
{
    return app.GetRootSection()->GetSection("Options").GetString("Marker", "(none)");
}

class TriExtAppTest : public testing::Test
{
protected:
    std::filesystem::path DataFolder() const
    {
        return places.DataFolder() / "Brindlecott" / "Tallydene";
    }
    std::filesystem::path DataFile() const { return DataFolder() / "Tallydene.cfg"; }
    std::filesystem::path BesideFile() const { return places.ProgramFolder() / "Tallydene.cfg"; }

    TestPlaces places;
};

} // namespace

TEST_F(TriExtAppTest, FileBesideTheProgramIsReadAndSavedToTheDataFolder)
{
    const std::string beside = ConfigWithMarker("beside", true);
    WriteFileBytes(BesideFile(), beside);
    {
        TriExtApp app("Tallydene");
        EXPECT_FALSE(app.IsFirstRun());
        EXPECT_EQ(MarkerOf(app), "beside");
        app.GetRootSection()->GetSection("Options").GetParameter("Marker").SetString("moved");
    }
    EXPECT_EQ(ReadFileBytes(BesideFile()), beside);
    EXPECT_NE(ReadFileBytes(DataFile()).find("<Marker>moved</>"), std::string::npos);

    TriExtApp again("Tallydene");
    EXPECT_EQ(MarkerOf(again), "moved");
}

TEST_F(TriExtAppTest, DataFolderFileWinsOverTheOneBesideTheProgram)
{
    std::filesystem::create_directories(DataFolder());
    WriteFileBytes(DataFile(), ConfigWithMarker("data", false));
    WriteFileBytes(BesideFile(), ConfigWithMarker("beside", true));
    TriExtApp app("Tallydene");
    EXPECT_EQ(MarkerOf(app), "data");
    EXPECT_TRUE(app.IsFirstRun());
}

TEST_F(TriExtAppTest, FirstRunIsRememberedFromTheNextSaveOn)
{
    {
        TriExtApp app("Tallydene");
        EXPECT_TRUE(app.IsFirstRun());
        EXPECT_FALSE(std::filesystem::exists(DataFile()));
    }
    EXPECT_NE(ReadFileBytes(DataFile())
                  .find("<Application>\r\n\t<OnceActions>\r\n"
                        "\t\t<FirstRun>0</>\r\n\t</OnceActions>\r\n"),
              std::string::npos)
        << ReadFileBytes(DataFile());
    TriExtApp later("Tallydene");
    EXPECT_FALSE(later.IsFirstRun());

    // Without its file, the next start is a first run again.
    std::filesystem::remove(DataFile());
    std::filesystem::remove(DataFile().string() + ".old");
    TriExtApp fresh("Tallydene");
    EXPECT_TRUE(fresh.IsFirstRun());
}

TEST_F(TriExtAppTest, OnceActionAnswersDoneFromItsSecondAskOn)
{
    {
        TriExtApp app("Tallydene");
        EXPECT_FALSE(app.OnceAction("ShowTips"));
        EXPECT_TRUE(app.OnceAction("ShowTips"));
        EXPECT_FALSE(app.OnceAction("showtips"));
        EXPECT_TRUE(app.OnceAction("FirstRun"));
        app.Save();
        EXPECT_NE(ReadFileBytes(DataFile()).find("<ShowTips>0</>"), std::string::npos);
    }
    TriExtApp later("Tallydene");
    EXPECT_TRUE(later.OnceAction("ShowTips"));
}

TEST_F(TriExtAppTest, ProgramFolderServesWhenTheDataFolderCannotBeMade)
{
    // Root runs the tests, so a folder cannot be closed by its rights; a regular file where
    // a folder must be works for everyone.
    WriteFileBytes(places.Root() / "plain", "x");
    places.SetEnvironment("XDG_DATA_HOME", (places.Root() / "plain" / "data").string());
    {
        TriExtApp app("Tallydene");
        EXPECT_EQ(app.FindConfigurationDirectory().ToString(false).c_str(),
                  places.ProgramFolder().string());
        app.GetRootSection()->GetSection("Options").GetParameter("Marker").SetString("kept");
    }
    EXPECT_NE(ReadFileBytes(BesideFile()).find("<Marker>kept</>"), std::string::npos);

    // The same for a file that stands where the data folder itself should be.
    places.SetEnvironment("XDG_DATA_HOME", places.DataFolder().string());
    std::filesystem::create_directories(DataFolder().parent_path());
    WriteFileBytes(DataFolder(), "not a folder");
    TriExtApp app("Tallydene");
    EXPECT_EQ(MarkerOf(app), "kept");
    EXPECT_EQ(app.FindConfigurationDirectory().ToString(false).c_str(),
              places.ProgramFolder().string());
}

TEST_F(TriExtAppTest, SaveFindsTheDataFolderAfresh)
{
    TriExtApp app("Tallydene");
    std::filesystem::remove_all(places.DataFolder());
    app.Save();
    EXPECT_TRUE(std::filesystem::exists(DataFile()));
}

TEST_F(TriExtAppTest, FileBesideTheProgramTakesTheNameUpToItsFirstDot)
{
    toolbox::Config config;
    toolbox::ConfigLocation location(config);
    places.SetProgramPath((places.ProgramFolder() / "Tally.dene.exe").string());
    WriteFileBytes(places.ProgramFolder() / "Tally.cfg", ConfigWithMarker("dotted", false));
    ASSERT_TRUE(location.LoadBesideExecutable());
    EXPECT_STREQ(config.GetRoot().GetSection("Options").GetString("Marker", ""), "dotted");

    // No file name, no file: a quiet false rather than a guess.
    places.SetProgramPath("/");
    EXPECT_FALSE(location.LoadBesideExecutable());
}

TEST_F(TriExtAppTest, AnAbandonedRunWritesNothingMore)
{
    std::filesystem::create_directories(DataFolder());
    const std::string good = ConfigWithMarker("good", true);
    WriteFileBytes(DataFile(), good);
    {
        TriExtApp app("Tallydene");
        app.GetRootSection()->GetSection("Options").GetParameter("Marker").SetString("half");
        app.Abandon();
        app.Save();
    }
    EXPECT_EQ(ReadFileBytes(DataFile()), good);
}

// The file beside the program belongs to an older installation: a start only reads it, even
// when it cannot be parsed, and the data goes to the data folder.
TEST_F(TriExtAppTest, AnUnreadableFileBesideTheProgramIsLeftAsItIs)
{
    WriteFileBytes(BesideFile(), "<Options><broken");
    {
        TriExtApp app("Tallydene");
        EXPECT_TRUE(app.IsFirstRun());
        EXPECT_TRUE(app.GetLoadReport().loaded.empty());
    }
    EXPECT_EQ("<Options><broken", ReadFileBytes(BesideFile()));
    EXPECT_FALSE(std::filesystem::exists(BesideFile().string() + ".bad"));
    EXPECT_TRUE(std::filesystem::exists(DataFile()));
}
