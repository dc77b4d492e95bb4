#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/app/CommandScenario.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace
{

// Chooses the backup whose line starts with the date.
FakeDialogs::Answer<RestoreForm> Choose(const std::string& date)
{
    return [date](RestoreForm& form)
    {
        form.chosen = -1;
        for (std::size_t row = 0; row < form.rows.size(); ++row)
            if (form.rows[row].starts_with(date))
                form.chosen = static_cast<int>(row);
        return true;
    };
}

class Restore : public CommandScenario
{
protected:
    // The file of Sunday 6 December, then a day's work on the 7th: the 6th is kept as its
    // backup at the first save.
    void WorkOnThe7th()
    {
        ExpectedSettings settings;
        settings.lastTimeUpdated = ClockAt(2026, 12, 6, 12);
        settings.actual = 3600;
        settings.targets = {8 * 3600, 8 * 3600, 8 * 3600, 8 * 3600, 8 * 3600, 0, 0};
        settings.loggingEnabled = true;
        settings.projects = {{"Office", 600, {{"Mail", 600}, {"Calls", 0}}}, {"Home", 0, {}}};
        WriteConfig(settings);
        clock.Set(2026, 12, 7, 12);
        Run();
        app->UpdateTime();
        TodoNamed(*app, "Office", "Mail").SetTime(5000);
        app->GetProjects().Remove(&ProjectNamed(*app, "Home"));
        mainWindow.RebuildTree();
        app->MarkChanged();
        clock.Advance(60);
    }
    std::filesystem::path Backups() const { return DataFolder() / "backups"; }
};

} // namespace

// The list shows what each backup holds; No to the question keeps the dialog open and changes
// nothing; Yes puts the backup's data in place, keeps the data it replaced as a backup of the
// moment, writes the log line and saves. A second restore of that copy takes the first back.
TEST_F(Restore, FromTheMenuReplacesTheDataAndKeepsWhatItReplaced)
{
    WorkOnThe7th();
    const std::string mailId = TodoNamed(*app, "Office", "Mail").GetId();
    dialogs.restore = {
        [](RestoreForm& form)
        {
            EXPECT_EQ((std::vector<std::string>{"2026-12-06    1.1 KB    2 projects, 2 todos    "
                                                "Working time: 1,0"}),
                      form.rows);
            return true;
        },
        PressCancel<RestoreForm>};
    prompts.answers = {false};
    Execute(res::ID_FILE_RESTORE);
    EXPECT_EQ(5000, TodoNamed(*app, "Office", "Mail").GetTime());
    ASSERT_EQ(1u, prompts.shown.size());
    EXPECT_EQ("Replace your data with the backup of 2026-12-06? Your current data is kept as a "
              "backup.",
              prompts.shown[0].message);

    dialogs.restore = {Choose("2026-12-06")};
    prompts.answers = {true};
    const int rebuilds = mainWindow.treeRebuilds;
    Execute(res::ID_FILE_RESTORE);
    EXPECT_EQ(600, TodoNamed(*app, "Office", "Mail").GetTime());
    EXPECT_EQ(2u, app->GetProjects().Count());
    EXPECT_EQ(3600, app->GetOvertimeAccount().GetBalance()) << "the balance the list showed";
    EXPECT_GT(mainWindow.treeRebuilds, rebuilds);
    EXPECT_NE(SavedConfig().find("\t<Home>"), std::string::npos);
    EXPECT_NE(SavedLog().find("2026-12-07 12:01:00 : Restored a backup: 2026-12-06\r\n"),
              std::string::npos);

    dialogs.restore = {Choose("2026-12-07")};
    prompts.answers = {true};
    Execute(res::ID_FILE_RESTORE);
    EXPECT_EQ(5000, TodoNamed(*app, "Office", "Mail").GetTime());
    EXPECT_EQ(mailId, TodoNamed(*app, "Office", "Mail").GetId()) << "kept through the backup";
    EXPECT_EQ(1u, app->GetProjects().Count());
}

// A folder or a pipe named like a backup is no backup: the list leaves them out (a pipe would
// make it wait for ever, a folder shows no size).
TEST_F(Restore, OnlyFilesAreListed)
{
    WorkOnThe7th();
    std::filesystem::create_directories(Backups() / "Tallydene-2026-12-05.cfg");
#ifndef _WIN32 // Windows has no named pipe in a folder
    ASSERT_EQ(0, mkfifo((Backups() / "Tallydene-2026-12-04.cfg").c_str(), 0600));
#endif
    dialogs.restore = {[](RestoreForm& form)
                       {
                           EXPECT_EQ(1u, form.rows.size());
                           EXPECT_TRUE(form.rows.at(0).starts_with("2026-12-06    1.1 KB"));
                           return false;
                       }};
    Execute(res::ID_FILE_RESTORE);
    EXPECT_TRUE(dialogs.restore.empty());
}

// Nothing is restored while a todo runs, nor without a backup.
TEST_F(Restore, RefusedWhileActiveAndToldWhenThereIsNoBackup)
{
    WorkOnThe7th();
    app->Activate(TodoNamed(*app, "Office", "Mail"));
    Execute(res::ID_FILE_RESTORE);
    app->Pause();
    std::filesystem::remove_all(Backups());
    Execute(res::ID_FILE_RESTORE);
    EXPECT_EQ((std::vector<ScriptedPrompts::Shown>{
                  {"refuse", "Please pause first."},
                  {"inform", "There are no backups yet. Tallydene keeps one for each day you use "
                             "it."}}),
              prompts.shown);
    EXPECT_TRUE(dialogs.opened.empty());
}

// A start that can read neither the data file nor its ".old" copy offers the newest backup
// that reads, after telling what was wrong; Yes loads it and saves it as the data file.
TEST_F(Restore, OfferedAtAStartWithBothFilesDamaged)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(2026, 12, 5, 12);
    settings.projects = {{"Office", 600, {{"Mail", 600}}}};
    std::filesystem::create_directories(Backups());
    WriteFileBytes(Backups() / "Tallydene-2026-12-05.cfg", ExpectedConfigFile(settings));
    WriteFileBytes(Backups() / "Tallydene-2026-12-06.cfg", "<Root>\r\n\t<Proj");
    WriteFileBytes(ConfigFile(), "damaged");
    WriteFileBytes(DataFolder() / "Tallydene.cfg.old", "damaged too");
    clock.Set(2026, 12, 7, 12);
    Run();
    EXPECT_TRUE(app->IsFirstRun());
    mainWindow.prompts.answers = {true};
    app->ReportDataFileProblems();
    ASSERT_EQ(2u, mainWindow.prompts.shown.size());
    EXPECT_EQ("refuse", mainWindow.prompts.shown[0].kind);
    EXPECT_NE(std::string::npos,
              mainWindow.prompts.shown[0].message.find("\n\nNo other copy can be read. Unless you "
                                                       "restore a backup, Tallydene starts"))
        << mainWindow.prompts.shown[0].message;
    EXPECT_EQ((ScriptedPrompts::Shown{"warning", "Tallydene cannot read its data file. Restore "
                                                 "the backup of 2026-12-05 (1 project, 1 todo)?"}),
              mainWindow.prompts.shown[1]);
    EXPECT_EQ(600, TodoNamed(*app, "Office", "Mail").GetTime());
    EXPECT_FALSE(app->IsFirstRun());
    EXPECT_NE(SavedConfig().find("\t<Mail>"), std::string::npos);
}
