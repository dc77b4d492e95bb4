#include "tests/app/ViewScenario.h"

#include "app/DataFileMessages.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/toolbox/FaultyFileSystem.h"
#ifndef _WIN32
#include "tests/support/Mount.h"
#endif

#include <cerrno>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace res;

class JournalFailure : public ViewScenario
{
protected:
    // The program ends while the disk it may write to is still there.
    ~JournalFailure() override
    {
        commands.reset();
        app.reset();
    }

    void StartOnMail()
    {
        StartWith({{"Office", 600, {{"Mail", 600}}}});
        Select(T("Office", "Mail"));
        Run(ID_TODO_ACTIVATE);
    }
    void AddTenMinutes()
    {
        dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "0:10"; });
        Run(ID_TODO_ADD_TIME);
    }
    // The kind of every line of the journal's file, progress included, comments not.
    std::vector<std::string> Kinds() const
    {
        std::vector<std::string> kinds;
        std::istringstream lines(ReadFileBytes(JournalPath()));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line.front() != '#')
                kinds.push_back(line.substr(0, line.find('\t')));
        return kinds;
    }
    std::string FailureMessage(int error) const
    {
        return DataFileMessages::SaveFailed(
            toolbox::FileResult::Failure("cannot write", JournalPath().string(), error));
    }
    std::vector<ScriptedPrompts::Shown>& Shown() { return view.prompts.shown; }

    FaultyFileSystem disk;
};

// The journal's file takes nothing: the user is told once, as of a failed save, the entries
// wait in their order, and the data file is not saved past what the journal holds. Each tick
// tries again; once the file takes them, the entries come first, then the save.
TEST_F(JournalFailure, EntriesWaitInOrderAndTheDataIsNotSavedUntilTheJournalTakesThem)
{
    StartOnMail();
    const std::string saved = SavedConfig();
    app->GetJournal().GetFile().SetFileSystem(disk);
    disk.Fail(FaultyFileSystem::Operation::Append, 1, true, ENOSPC);
    clock.Advance(5 * kMinute);
    AddTenMinutes();
    ASSERT_EQ(1u, Shown().size());
    EXPECT_EQ((ScriptedPrompts::Shown{"refuse", FailureMessage(ENOSPC)}), Shown()[0]);
    EXPECT_TRUE(view.statusTexts.back().starts_with(DataFileMessages::kNotSavedStatus));
    EXPECT_EQ(saved, SavedConfig());

    const int tries = disk.Calls(FaultyFileSystem::Operation::Append);
    clock.Advance(kMinute);
    app->UpdateTime();
    EXPECT_GT(disk.Calls(FaultyFileSystem::Operation::Append), tries) << "the tick retries";
    EXPECT_EQ(1u, Shown().size()) << "one message, not one per minute";
    EXPECT_EQ(2u, app->GetJournal().WaitingCount()) << "the add and the newest progress";
    EXPECT_EQ(saved, SavedConfig());

    disk.Heal();
    clock.Advance(kMinute);
    app->UpdateTime();
    EXPECT_FALSE(app->IsSaveFailing());
    EXPECT_EQ(app->StatusText(), view.statusTexts.back());
    EXPECT_EQ(0u, app->GetJournal().WaitingCount());
    EXPECT_EQ((std::vector<std::string>{"open", "progress", "add", "progress"}), Kinds());
    EXPECT_EQ(600 + 600 + 420, T("Office", "Mail").GetTime());
    EXPECT_NE(saved, SavedConfig());
}

#ifndef _WIN32
// Linux only: the faults come from mounted file systems.
// The real faults: a disk so full that it takes part of an entry, then the data folder mounted
// read-only (root writes to a file of mode 444 anyway, a read-only mount stops it too). No
// entry is lost, none is written twice or in part, and the user hears of each fault once.
TEST_F(JournalFailure, AFullDiskAndAReadOnlyFolderLoseNoEntryAndLeaveNoPartOfOne)
{
    Mount data(DataFolder(), "tmpfs", "tmpfs", 0, "size=64k");
    if (!data.Mounted())
        GTEST_SKIP() << "mounting is not allowed here";
    StartOnMail();
    // The journal's last page has room for ten bytes, the disk for nothing more.
    const auto page = static_cast<std::uintmax_t>(::sysconf(_SC_PAGESIZE));
    const std::uintmax_t size = std::filesystem::file_size(JournalPath());
    std::uintmax_t target = (size / page + 1) * page - 10;
    if (target < size + 3)
        target += page;
    std::ofstream(JournalPath(), std::ios::app | std::ios::binary)
        << '#' << std::string(target - size - 3, 'x') << "\r\n";
    std::ofstream(DataFolder() / "filler", std::ios::binary) << std::string(128 * 1024, 'x');
    const std::string before = ReadFileBytes(JournalPath());
    ASSERT_EQ(target, before.size());

    clock.Advance(5 * kMinute);
    AddTenMinutes();
    ASSERT_EQ(1u, Shown().size());
    EXPECT_EQ((ScriptedPrompts::Shown{"refuse", FailureMessage(ENOSPC)}), Shown()[0]);
    EXPECT_EQ(before, ReadFileBytes(JournalPath())) << "no part of an entry stays";

    std::filesystem::remove(DataFolder() / "filler");
    clock.Advance(kMinute);
    app->UpdateTime();
    EXPECT_FALSE(app->IsSaveFailing());
    EXPECT_EQ((std::vector<std::string>{"open", "progress", "add", "progress"}), Kinds());

    ASSERT_TRUE(data.SetReadOnly(true));
    clock.Advance(kMinute);
    Run(ID_TODO_PAUSE);
    ASSERT_EQ(2u, Shown().size());
    EXPECT_EQ((ScriptedPrompts::Shown{"refuse", FailureMessage(EROFS)}), Shown()[1]);
    ASSERT_TRUE(data.SetReadOnly(false));
    clock.Advance(kMinute);
    app->UpdateTime();
    EXPECT_FALSE(app->IsSaveFailing());
    EXPECT_EQ((std::vector<std::string>{"open", "progress", "add", "progress", "session"}),
              Kinds());
    EXPECT_EQ(2u, Shown().size());
    commands.reset();
    app.reset();
}
#endif
