#include "app/DataFileMessages.h"
#include "model/Todo.h"
#include "tests/app/CommandScenario.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{

class UnreadDataFile : public CommandScenario
{
protected:
    // The newer data in a file that cannot be read (a folder stands at its name), the older
    // data in a whole ".old" copy, and a file set aside by an earlier start.
    void StartWithTheFileUnread()
    {
        WriteConfig(Books("Older", 60));
        fs::rename(ConfigFile(), ConfigFile().string() + ".old");
        fs::create_directory(ConfigFile());
        WriteFileBytes(Bad(), "kept before");
        clock.Set(2026, 12, 7, 12);
        Run();
        EXPECT_EQ(60, TodoNamed(*app, "Older", "Mail").GetTime());
        asked = {"warning", DataFileMessages::CannotRead(app->GetLoadReport())};
    }
    static ExpectedSettings Books(const char* project, int32_t time)
    {
        ExpectedSettings settings;
        settings.lastTimeUpdated = ClockAt(2026, 12, 7, 11);
        settings.projects = {{project, time, {{"Mail", time}}}};
        return settings;
    }
    std::string Bad() const { return ConfigFile().string() + ".bad"; }
    std::vector<ScriptedPrompts::Shown>& Shown() { return mainWindow.prompts.shown; }

    ScriptedPrompts::Shown asked;
};

} // namespace

// While the question is open a tick books and saves nothing; Yes before the file is mended
// asks again, and Yes after it reads the file, whose data then runs and is saved.
TEST_F(UnreadDataFile, YesReadsTheFileOnceMended)
{
    StartWithTheFileUnread();
    EXPECT_NE(asked.message.find("cannot read " + ConfigFile().string() + ": Is a directory"),
              std::string::npos);
    EXPECT_NE(asked.message.find("No goes on with the data of"), std::string::npos);
    mainWindow.prompts.answers = {true, true};
    mainWindow.prompts.whileAsking = [this]
    {
        if (Shown().size() == 1)
        {
            clock.Advance(60);
            app->UpdateTime();
            EXPECT_TRUE(fs::is_directory(ConfigFile()));
            EXPECT_FALSE(fs::exists(ConfigFile().string() + ".new"));
            return;
        }
        fs::remove(ConfigFile());
        WriteConfig(Books("Newer", 120));
    };
    app->ReportDataFileProblems();
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{asked, asked}), Shown());
    EXPECT_EQ(120, TodoNamed(*app, "Newer", "Mail").GetTime());
    EXPECT_EQ(2u, TreeLines().size());
    app->UpdateTime();
    EXPECT_NE(SavedConfig().find("<Newer>"), std::string::npos);
    EXPECT_EQ("kept before", ReadFileBytes(Bad()));
}

// No sets the file aside beside the one kept before and goes on with the older copy, which the
// next save keeps as it was.
TEST_F(UnreadDataFile, NoSetsTheFileAsideAndGoesOnWithTheCopy)
{
    StartWithTheFileUnread();
    mainWindow.prompts.answers = {false};
    app->ReportDataFileProblems();
    ASSERT_EQ(2u, Shown().size());
    EXPECT_EQ(asked, Shown()[0]);
    EXPECT_NE(Shown()[1].message.find("has kept it as\n" + Bad() + ".1"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(Bad() + ".1"));
    EXPECT_EQ("kept before", ReadFileBytes(Bad()));
    app->UpdateTime();
    EXPECT_NE(SavedConfig().find("<Older>"), std::string::npos);
    EXPECT_EQ(ExpectedConfigFile(Books("Older", 60)),
              ReadFileBytes(ConfigFile().string() + ".old"));
}
