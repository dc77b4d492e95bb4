#include "app/journal/JournalReplay.h"
#include "app/backups/BackupRestore.h"
#include "app/commands/AppCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/forms/AwayTimeForm.h"
#include "app/forms/ProjectForm.h"
#include "app/forms/WorkingTimeForm.h"
#include "app/journal/BooksText.h"
#include "app/journal/HybridClock.h"
#include "app/journal/JournalFile.h"
#include "model/Project.h"
#include "res/CommandIds.h"
#include "tests/app/AppScenario.h"
#include "tests/app/RandomUser.h"
#include "tests/app/RebuildingMainWindow.h"

#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>

using namespace res;

class JournalReplayTest : public AppScenario
{
protected:
    static constexpr int32_t kHour = 3600;

    // A program on the data folder's files that writes nothing.
    std::unique_ptr<Tallydene> Reader()
    {
        auto reader = std::make_unique<Tallydene>(clock, ',');
        reader->SkipShutdownSteps();
        reader->Abandon();
        return reader;
    }

    // The journal replayed gives the books the data file holds.
    void ExpectReplayGivesTheSavedBooks()
    {
        const std::unique_ptr<Tallydene> saved = Reader();
        const std::unique_ptr<Tallydene> replayed = Reader();
        EXPECT_TRUE(
            JournalReplay::Into(*replayed, JournalFile(JournalPath().string()).ReadComplete())
                .empty());
        ASSERT_EQ(BooksOf(*saved), BooksOf(*replayed));
    }

    // Each entry is the device's next one, with a stamp after the one before.
    void CheckRecord()
    {
        int64_t sequence = 0;
        std::optional<HybridClock::Stamp> last;
        for (const JournalEntry& entry : JournalFile(JournalPath().string()).ReadComplete())
        {
            kinds.insert(entry.kind);
            EXPECT_EQ(++sequence, entry.sequence) << entry.Format();
            const auto stamp = HybridClock::Stamp::Parse(entry.stamp);
            ASSERT_TRUE(stamp) << entry.Format();
            EXPECT_TRUE(!last || *last < *stamp) << entry.Format();
            last = stamp;
        }
    }

    std::set<std::string> kinds;

    // Random steps of every kind; after each, the journal replayed is the saved books. Without
    // a restore, undoing every step gives the starting books plus what the clock booked.
    void RunSequence(unsigned seed, bool withRestore)
    {
        ExpectedSettings settings;
        clock.Set(2026, 3, 2, 10, 0, 0);
        settings.lastTimeUpdated = ClockAt(2026, 3, 2, 10, 0, 0);
        settings.workingTimeEnabled = true;
        settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
        settings.projects = {{"Garden", 9000, {{"Mow", 3600}, {"Weed", 1800, 5}}},
                             {"Office", 7200, {{"Mail", 7200}, {"Plan", 0, 5}}},
                             {"Web", 0, {}}};
        std::filesystem::remove(JournalPath());
        WriteConfig(settings);
        const std::filesystem::path backup = DataFolder() / "backup.cfg";
        // Removed first: MinGW's copy_file refuses to overwrite whatever the options say.
        std::filesystem::remove(backup);
        std::filesystem::copy_file(ConfigFile(), backup);
        std::mt19937 random(seed);
        CoinPrompts prompts(random);
        RebuildingMainWindow view;
        auto app = Start(false);
        view.app = app.get();
        app->SetMainWindow(&view);
        view.RebuildTree();
        // The start: a session a crash left open is closed, the clock update saves.
        app->CloseInterruptedSession();
        app->UpdateTime();
        RandomSteps steps(*app, view, prompts, random,
                          [&](long long seconds, bool asleep)
                          { asleep ? clock.Suspend(seconds) : clock.Advance(seconds); });
        std::map<std::string, int64_t> startTimes;
        std::map<std::string, int64_t> startTotals;
        for (const Project* project : app->GetProjects())
        {
            startTotals[project->GetId()] = project->GetTotalTime();
            for (const Todo* todo : project->GetTodos())
                startTimes[todo->GetId()] = todo->GetTime();
        }
        const int64_t startBalance = app->GetOvertimeAccount().GetBalance();

        for (int step = 0; step < 200; ++step)
        {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            steps.Step(
                [&]
                {
                    if (withRestore && step == 100)
                        BackupRestore::Restore(*app, prompts, {backup.string(), "20260301"}, false);
                    else
                        steps.UndoAndRedo();
                });
            ExpectReplayGivesTheSavedBooks();
            if (HasFailure())
                return;
        }
        CheckRecord();
        if (withRestore)
            return;

        app->Pause();
        while (app->GetUndoHistory().NextUndo() != nullptr)
            steps.appCommands.Execute(ID_EDIT_UNDO);
        // What the clock and the away answers booked stays; every command's change is gone.
        std::map<std::string, int64_t> booked;
        int64_t bookedBalance = 0;
        for (const JournalEntry& entry : JournalFile(JournalPath().string()).ReadAll())
            if (entry.kind == JournalKind::session || entry.kind == JournalKind::charged ||
                entry.note == "away")
            {
                booked[entry.todoId] += entry.todoSeconds;
                booked[entry.projectId] += entry.projectSeconds;
                bookedBalance += entry.balanceSeconds;
            }
        std::map<std::string, int64_t> times;
        for (const Project* project : app->GetProjects())
        {
            // A todo moved back holds the time the clock booked on it elsewhere, which lifts
            // its project's total to the todos' sum: a total never ends below its start.
            EXPECT_LE(startTotals[project->GetId()],
                      project->GetTotalTime() - booked[project->GetId()])
                << project->GetName();
            for (const Todo* todo : project->GetTodos())
                times[todo->GetId()] = todo->GetTime() - booked[todo->GetId()];
        }
        EXPECT_EQ(startTimes, times);
        EXPECT_EQ(startTotals.size(), static_cast<size_t>(app->GetProjects().Count()));
        EXPECT_EQ(startBalance, app->GetOvertimeAccount().GetBalance() - bookedBalance);
    }
};

TEST_F(JournalReplayTest, ReplayingTheJournalGivesTheSavedBooksAfterEveryStep)
{
    for (unsigned seed = 1; seed <= 4 && !HasFailure(); ++seed)
        RunSequence(seed, seed == 4);
    // Every kind of change was among them.
    for (const char* kind :
         {JournalKind::books,      JournalKind::open,    JournalKind::progress,
          JournalKind::session,    JournalKind::add,     JournalKind::remove,
          JournalKind::transfer,   JournalKind::zero,    JournalKind::cleanUp,
          JournalKind::overtime,   JournalKind::total,   JournalKind::rename,
          JournalKind::move,       JournalKind::undo,    JournalKind::redo,
          JournalKind::newProject, JournalKind::newTodo, JournalKind::deleteProject,
          JournalKind::deleteTodo, JournalKind::comment, JournalKind::priority,
          JournalKind::completed,  JournalKind::targets, JournalKind::charged})
        EXPECT_TRUE(kinds.contains(kind)) << kind;
}
