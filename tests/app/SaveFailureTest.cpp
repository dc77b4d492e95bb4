#include "app/DataFileMessages.h"
#include "tests/app/AppScenario.h"
#include "tests/app/ScriptedPrompts.h"
#include "tests/toolbox/FaultyFileSystem.h"
#include "toolbox/Logger.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace
{

class SaveFailure : public AppScenario
{
protected:
    std::string NewFile() const { return ConfigFile().string() + ".new"; }
    std::vector<ScriptedPrompts::Shown>& Shown() { return window.prompts.shown; }
};

} // namespace

// A disk that fills up and frees again: one message at the first failure, the status line
// marked at every update until a save succeeds, a retry at every clock update even with auto
// save off, and the file as it was before the failures.
TEST_F(SaveFailure, IsToldOnceMarkedInTheStatusLineAndRetriedAtEveryTick)
{
    toolbox::Logger logger;
    std::filesystem::remove(logger.GetPath().c_str());
    std::unique_ptr<Tallydene> app = Start();
    app->GetOptions().SetAutoSaveEnabled(false);
    ASSERT_TRUE(app->SaveAndReport());
    const std::string saved = SavedConfig();

    FaultyFileSystem disk;
    app->GetConfig().SetFileSystem(disk);
    disk.Fail(FaultyFileSystem::Operation::Write, 1, true, ENOSPC);
    const std::string reason = "cannot write " + NewFile() + ": No space left on device";
    EXPECT_FALSE(app->SaveAndReport());
    ASSERT_EQ(1u, Shown().size());
    EXPECT_EQ((ScriptedPrompts::Shown{"refuse", "Tallydene cannot save your data:\n" + reason +
                                                    "\n\nIt tries again every minute. Until a "
                                                    "save succeeds, the status line says that "
                                                    "your data is not saved."}),
              Shown()[0]);
    EXPECT_TRUE(window.statusTexts.back().starts_with(DataFileMessages::kNotSavedStatus));

    const int writes = disk.Calls(FaultyFileSystem::Operation::Write);
    clock.Advance(60);
    app->UpdateTime();
    EXPECT_GT(disk.Calls(FaultyFileSystem::Operation::Write), writes) << "the tick retries";
    EXPECT_EQ(1u, Shown().size()) << "one message, not one per minute";
    EXPECT_TRUE(window.statusTexts.back().starts_with(DataFileMessages::kNotSavedStatus));
    EXPECT_EQ(saved, SavedConfig());

    disk.Heal();
    clock.Advance(60);
    app->UpdateTime();
    EXPECT_FALSE(app->IsSaveFailing());
    EXPECT_EQ(app->StatusText(), window.statusTexts.back());
    EXPECT_NE(saved, SavedConfig());

    // Saving fails again later: told again, once.
    disk.Fail(FaultyFileSystem::Operation::Open, 1, true, EROFS);
    EXPECT_FALSE(app->SaveAndReport());
    ASSERT_EQ(2u, Shown().size());
    EXPECT_NE(Shown()[1].message.find("cannot create " + NewFile() + ": Read-only file system"),
              std::string::npos);
    // The program ends without its window: nothing is asked, the data is not saved.
    clock.Advance(60);
    EXPECT_FALSE(app->End(nullptr));
    const std::string log = ReadFileBytes(logger.GetPath().c_str());
    EXPECT_NE(log.find("Error (toolbox::Config::SaveFile:"), std::string::npos);
    EXPECT_NE(log.find("The configuration cannot be saved: cannot create " + NewFile()),
              std::string::npos);
    app->GetConfig().SetFileSystem(toolbox::FileSystem::Native());
}

// Answers from a script, and lets the test change the disk while a question is open.
struct DiskChangingPrompts : ScriptedPrompts
{
    bool Ask(const std::string& message, QuestionIcon icon) override
    {
        if (onAsk)
            onAsk();
        return ScriptedPrompts::Ask(message, icon);
    }
    std::function<void()> onAsk;
};

// The end of the run asks before anything is thrown away: Yes tries again, No quits unsaved.
TEST_F(SaveFailure, AtTheEndAsksToRetryOrToQuitWithoutSaving)
{
    for (bool freedBeforeRetry : {true, false})
    {
        SCOPED_TRACE(freedBeforeRetry ? "the retry succeeds" : "quit without saving");
        std::unique_ptr<Tallydene> app = Start();
        ASSERT_TRUE(app->SaveAndReport());
        const std::string saved = SavedConfig();
        std::filesystem::create_directory(NewFile()); // no save can create its file

        DiskChangingPrompts prompts;
        if (freedBeforeRetry)
        {
            prompts.answers = {true};
            prompts.onAsk = [&] { std::filesystem::remove(NewFile()); };
        }
        else
            prompts.answers = {true, false};
        clock.Advance(600);
        EXPECT_EQ(freedBeforeRetry, app->End(&prompts));

        const std::string question = DataFileMessages::SaveFailedAtEnd(
            toolbox::FileResult::Failure("cannot create", NewFile(), EISDIR));
        EXPECT_NE(question.find(NewFile() + ": Is a directory"), std::string::npos);
        EXPECT_EQ(freedBeforeRetry ? 1u : 2u, prompts.shown.size());
        for (const auto& shown : prompts.shown)
            EXPECT_EQ((ScriptedPrompts::Shown{"warning", question}), shown);
        EXPECT_EQ(freedBeforeRetry, saved != SavedConfig());
        const std::string ended = SavedConfig();
        app.reset();
        EXPECT_EQ(ended, SavedConfig()) << "nothing is written after the end";
        std::filesystem::remove_all(NewFile());
    }
}
