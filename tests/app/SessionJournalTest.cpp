#include "tests/app/ViewScenario.h"

#include "app/journal/HybridClock.h"
#include "app/journal/JournalFile.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "tests/support/TestPlaces.h"
#include "tests/toolbox/FaultyFileSystem.h"
#include "toolbox/Logger.h"

#include <fstream>
#include <map>

using namespace res;

namespace
{

// 10:00 UTC on 2 March 2026 in seconds since 1970.
constexpr int64_t kTen = 1772445600;

} // namespace

class SessionJournalTest : public ViewScenario
{
protected:
    // The sessions and changes: the days charged and the books where the record starts are
    // another matter.
    std::vector<JournalEntry> Entries() const
    {
        std::vector<JournalEntry> entries = JournalFile(JournalPath().string()).ReadAll();
        std::erase_if(
            entries, [](const JournalEntry& entry)
            { return entry.kind == JournalKind::charged || entry.kind == JournalKind::books; });
        return entries;
    }

    void StartOffice()
    {
        settings.workingTimeEnabled = true;
        StartWith({{"Office", 3000, {{"Report", 1200}, {"Mail", 600}, {"Call", 300}}}});
    }
    void SetTime(int hour, int minute, int second = 0)
    {
        clock.Set(2026, 3, 2, hour, minute, second);
    }
    // The run ends as a kill ends it: no shutdown step, nothing more written.
    void Kill()
    {
        app->SkipShutdownSteps();
        app->Abandon();
        commands.reset();
        app.reset();
    }
};

TEST_F(SessionJournalTest, EverySessionAndChangeByHandExplainsTheTreesNumbers)
{
    StartOffice();
    const int32_t balanceAtStart = app->GetOvertimeAccount().GetBalance();
    Select(T("Office", "Report"));
    Run(ID_TODO_ACTIVATE);
    SetTime(10, 30);
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE); // Report's session ends, switched
    SetTime(10, 45);
    dialogs.addTime.push_back([](AddTimeForm& form) { form.amount = "0:10"; });
    Run(ID_TODO_ADD_TIME);
    dialogs.transfer.push_back([](TransferTimeForm& form) { form.amount = "0:05"; });
    Select(T("Office", "Call"));
    Run(ID_TODO_TRANSFER_TIME); // from the active Mail to Call
    SetTime(11, 0);
    Run(ID_TODO_PAUSE);
    prompts.answers = {true};
    Select(T("Office", "Report"));
    Run(ID_TODO_ZERO_TIME);

    const std::vector<JournalEntry> entries = Entries();
    std::vector<std::string> kinds;
    std::map<std::string, int64_t> todoSums;
    int64_t projectSum = 0;
    int64_t balanceSum = 0;
    for (const JournalEntry& entry : entries)
    {
        kinds.push_back(entry.kind + " " + entry.todo + " " + entry.note);
        todoSums[entry.todo] += entry.todoSeconds;
        projectSum += entry.projectSeconds;
        balanceSum += entry.balanceSeconds;
    }
    EXPECT_EQ((std::vector<std::string>{"open Report ", "session Report switched", "open Mail ",
                                        "add Mail ", "transfer Mail ", "transfer Call ",
                                        "session Mail paused", "zero Report "}),
              kinds);
    EXPECT_EQ(kTen, entries[1].start);
    EXPECT_EQ(kTen + 1800, entries[1].end);
    EXPECT_EQ(1800, entries[1].todoSeconds);
    EXPECT_EQ(600, entries[3].todoSeconds);
    EXPECT_EQ(-300, entries[4].todoSeconds);

    // The entries add up to exactly the change of every number in the tree.
    EXPECT_EQ(-1200, todoSums["Report"]);
    EXPECT_EQ(T("Office", "Mail").GetTime() - 600, todoSums["Mail"]);
    EXPECT_EQ(T("Office", "Call").GetTime() - 300, todoSums["Call"]);
    EXPECT_EQ(P("Office").GetTotalTime() - 3000, projectSum);
    EXPECT_EQ(app->GetOvertimeAccount().GetBalance() - balanceAtStart, balanceSum);
}

TEST_F(SessionJournalTest, RenamesAndMovesAreRecordedWithOldAndNewNames)
{
    StartWith({{"Office", 0, {{"Mail", 0}}}, {"Home", 0, {}}});
    Select(T("Office", "Mail"));
    dialogs.todo.push_back([](TodoForm& form) { form.name = "Post"; });
    Run(ID_TODO_PROPERTIES);
    Select(P("Office"));
    dialogs.project.push_back([](ProjectForm& form) { form.name = "Work"; });
    Run(ID_PROJECT_PROPERTIES);
    commands->DropOnItem(T("Work", "Post"), &P("Home"));

    const std::vector<JournalEntry> entries = Entries();
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ((std::vector<std::string>{"rename", "Office", "Mail", "Post"}),
              (std::vector<std::string>{entries[0].kind, entries[0].project, entries[0].todo,
                                        entries[0].note}));
    EXPECT_EQ((std::vector<std::string>{"rename", "Office", "", "Work"}),
              (std::vector<std::string>{entries[1].kind, entries[1].project, entries[1].todo,
                                        entries[1].note}));
    EXPECT_EQ((std::vector<std::string>{"move", "Work", "Post", "Home"}),
              (std::vector<std::string>{entries[2].kind, entries[2].project, entries[2].todo,
                                        entries[2].note}));
}

TEST_F(SessionJournalTest, AKilledRunsSessionEndsAtItsLastSavedUpdateAtTheNextStart)
{
    StartOffice();
    Select(T("Office", "Mail"));
    Run(ID_TODO_ACTIVATE);
    SetTime(10, 7);
    app->UpdateTime(); // the tick saves 10:07
    SetTime(10, 7, 50);
    // Killed: no shutdown step runs.
    app->SkipShutdownSteps();
    commands.reset();
    app.reset();

    SetTime(12, 0);
    app = Start(false);
    app->CloseInterruptedSession();
    app->CloseInterruptedSession(); // already closed: nothing more
    const std::vector<JournalEntry> entries = Entries();
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("session", entries[1].kind);
    EXPECT_EQ("interrupted", entries[1].note);
    EXPECT_EQ(kTen, entries[1].start);
    EXPECT_EQ(kTen + 420, entries[1].end);
    EXPECT_EQ(420, entries[1].todoSeconds);
    EXPECT_EQ(420, entries[1].balanceSeconds);
    EXPECT_EQ(600 + 420, T("Office", "Mail").GetTime());
}

// Whatever happened after the last save that reached the data file, the next start closes the
// session with what that save had booked of it: not the wall clock's span, and not what a save
// that the journal took but the data file did not had booked.
TEST_F(SessionJournalTest, AKilledRunsSessionIsClosedWithWhatItsSavedBooksHold)
{
    enum class Then
    {
        WallClockAWeekAhead,
        WallClockPutBackAndKept,
        AwayUnanswered,
        KilledBetweenJournalAndFile
    };
    const struct
    {
        Then then;
        const char* name;
        int64_t end;
        int64_t booked;
    } cases[] = {
        {Then::WallClockAWeekAhead, "the wall clock set a week ahead", kTen + 7 * 86400 + 480, 480},
        {Then::WallClockPutBackAndKept, "the wall clock put back, the last update kept", kTen + 420,
         480},
        {Then::AwayUnanswered, "an hour away, the question unanswered", kTen + 4080, 480},
        {Then::KilledBetweenJournalAndFile, "killed before the data file took the save", kTen + 420,
         420},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(JournalPath());
        SetTime(10, 0);
        settings.awayThresholdMinutes = 10;
        StartOffice();
        Select(T("Office", "Mail"));
        Run(ID_TODO_ACTIVATE);
        clock.Advance(7 * kMinute);
        app->UpdateTime();
        FaultyFileSystem disk;
        if (c.then == Then::WallClockAWeekAhead)
            clock.MoveWallClock(7 * 86400);
        if (c.then == Then::WallClockPutBackAndKept)
        {
            clock.MoveWallClock(-kHour);
            view.prompts.answers = {false};
        }
        if (c.then == Then::KilledBetweenJournalAndFile)
        {
            app->GetConfig().SetFileSystem(disk);
            disk.Fail(FaultyFileSystem::Operation::Rename, 1, true);
        }
        clock.Advance(kMinute);
        app->UpdateTime();
        if (c.then == Then::AwayUnanswered)
        {
            clock.Suspend(kHour);
            app->UpdateTime();
            ASSERT_TRUE(app->GetAwayTime().has_value());
        }
        app->GetConfig().SetFileSystem(toolbox::FileSystem::Native());
        Kill();

        SetTime(12, 0);
        app = Start(false);
        app->CloseInterruptedSession();
        const std::vector<JournalEntry> entries = Entries();
        ASSERT_EQ(2u, entries.size());
        EXPECT_EQ("interrupted", entries[1].note);
        EXPECT_EQ(kTen, entries[1].start);
        EXPECT_EQ(c.end, entries[1].end);
        EXPECT_EQ(c.booked, entries[1].todoSeconds);
        EXPECT_EQ(c.booked, entries[1].projectSeconds);
        EXPECT_EQ(c.booked, entries[1].balanceSeconds);
        EXPECT_EQ(600 + c.booked, T("Office", "Mail").GetTime()) << "what the books hold";
        prompts.shown.clear();
        app.reset();
    }
}

// A journal written before sessions recorded their progress: its open session ends at the
// last saved update with the span since its start, as it always did.
TEST_F(SessionJournalTest, AnOpenSessionWithoutProgressTakesTheSpanToTheSavedUpdate)
{
    settings.workingTimeEnabled = true;
    settings.lastTimeUpdated = At(10, 7);
    WriteConfig(settings);
    std::ofstream(JournalPath(), std::ios::binary)
        << JournalEntry{"open", kTen, kTen, 0, 0, 0, "Office", "Mail", ""}.Format();
    app = Start(false);
    app->CloseInterruptedSession();
    const std::vector<JournalEntry> entries = Entries();
    ASSERT_EQ(2u, entries.size());
    // Written by this device now; the fields of the old line as they were.
    JournalEntry closed = entries[1];
    EXPECT_FALSE(closed.device.empty());
    closed.device.clear();
    EXPECT_EQ(
        (JournalEntry{"session", kTen, kTen + 420, 420, 420, 420, "Office", "Mail", "interrupted"}
             .Format()),
        closed.Format());
}

TEST_F(SessionJournalTest, AQuitEndsTheRunningSession)
{
    StartOffice();
    Select(T("Office", "Call"));
    Run(ID_TODO_ACTIVATE);
    SetTime(10, 20);
    app->End(nullptr);
    const std::vector<JournalEntry> entries = Entries();
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("quit", entries[1].note);
    EXPECT_EQ(1200, entries[1].todoSeconds);
}

TEST(JournalEntryFormat, NamesWithTabsLineEndsAndBackslashesStayOneLine)
{
    const JournalEntry entry{"add", 1, 2, -3, 4, 5, "A\tB\\", "line\r\nbreak", "x\\ty"};
    const std::string line = entry.Format();
    EXPECT_EQ("add\t1\t2\t-3\t4\t5\tA\\tB\\\\\tline\\r\\nbreak\tx\\\\ty\r\n", line);
    const auto back = JournalEntry::Parse(line.substr(0, line.size() - 2));
    ASSERT_TRUE(back);
    EXPECT_EQ(entry.project, back->project);
    EXPECT_EQ(entry.todo, back->todo);
    EXPECT_EQ(entry.note, back->note);
    EXPECT_EQ(-3, back->todoSeconds);

    for (const char* damaged : {"add\t1\t2\t3\t4\t5\tA\tB", "add\t1\tx\t3\t4\t5\tA\tB\tC",
                                "add\t1\t2\t3\t4\t5\tA\tB\tC\tD", "\t1\t2\t3\t4\t5\tA\tB\tC",
                                "add\t1\t2\t3\t4\t5\tA\\q\tB\tC", "add\t1\t2\t3\t4\t5\tA\tB\tC\\"})
        EXPECT_FALSE(JournalEntry::Parse(damaged)) << damaged;

    // An entry of the complete record: its ids, value, device, sequence and stamp come back.
    JournalEntry stamped = entry;
    stamped.todoId = "a1";
    stamped.projectId = "b2";
    stamped.value = "2,\t1";
    stamped.device = "d3";
    stamped.sequence = 42;
    stamped.stamp = "1741593600000.3";
    const std::string full = stamped.Format();
    const auto read = JournalEntry::Parse(full.substr(0, full.size() - 2));
    ASSERT_TRUE(read);
    EXPECT_EQ((std::vector<std::string>{"a1", "b2", "2,\t1", "d3", "42", "1741593600000.3"}),
              (std::vector<std::string>{read->todoId, read->projectId, read->value, read->device,
                                        std::to_string(read->sequence), read->stamp}));
    EXPECT_EQ(full, read->Format());
    EXPECT_FALSE(JournalEntry::Parse(full.substr(0, full.find("\t42")) + "\tx\t1.0"));
}

TEST(HybridClockStamps, NeverGoBackAndReadBack)
{
    HybridClock clock;
    const struct
    {
        int64_t wall;
        const char* stamp;
    } steps[] = {{1000, "1000.0"}, {1000, "1000.1"}, {2000, "2000.0"},
                 {500, "2000.1"},  {2000, "2000.2"}, {2001, "2001.0"}};
    for (const auto& step : steps)
        EXPECT_EQ(step.stamp, clock.Next(step.wall).Text()) << step.wall;
    clock.Observe({5000, 7});
    EXPECT_EQ("5000.8", clock.Next(3000).Text());
    EXPECT_EQ(HybridClock::Stamp({12, 3}), HybridClock::Stamp::Parse("12.3"));
    for (const char* bad : {"", "12", ".3", "12.", "12.x", "-1.0", "1.2.3"})
        EXPECT_FALSE(HybridClock::Stamp::Parse(bad)) << bad;
}

TEST(JournalFileRead, ADamagedLineIsSkippedWithAWarningAndAYearOfEntriesReadsWhole)
{
    TestPlaces places;
    places.SetArguments({"/log", "warn"});
    toolbox::Logger logger;
    const std::filesystem::path path = places.DocumentsFolder() / "test.journal";
    const JournalFile file(path.string());
    JournalEntry entry{"session", 0, 60, 60, 60, 60, "Office", "Mail", "paused"};
    for (int i = 0; i < 50000; ++i)
    {
        entry.start = i * 100;
        entry.end = entry.start + 60;
        if (i == 2)
        {
            // A line cut short by a crash, then a later entry.
            std::ofstream(path, std::ios::app | std::ios::binary) << "session\t12\t3";
        }
        if (i < 5)
            ASSERT_TRUE(file.Append(entry));
        else
            std::ofstream(path, std::ios::app | std::ios::binary) << entry.Format();
    }
    const std::vector<JournalEntry> entries = file.ReadAll();
    ASSERT_EQ(50000u, entries.size());
    EXPECT_EQ(200, entries[2].start);
    EXPECT_EQ(4999900, entries.back().start);
    const std::string log = ReadFileBytes(logger.GetPath().c_str());
    EXPECT_NE(std::string::npos, log.find("Skipped the damaged journal line 3"));

    // Read from the end: from the last entry of a kind on, or everything without one.
    for (int64_t start : {4999980, 5000000})
        ASSERT_TRUE(file.Append({"open", start, start, 0, 0, 0, "Office", "Mail", ""}));
    ASSERT_TRUE(file.Append({"rename", 5000010, 5000010, 0, 0, 0, "Office", "Mail", "Post"}));
    const std::vector<JournalEntry> tail = file.ReadFromLast("open");
    ASSERT_EQ(2u, tail.size());
    EXPECT_EQ("Post", tail[1].note);
    ASSERT_EQ(1u, file.ReadFromLast("rename").size());
    EXPECT_EQ(50003u, file.ReadFromLast("zero").size());
}

// The search from the end finds a line's start wherever it falls beside the 64 KiB blocks it
// reads the file in: the line end before it in one block and its kind in the next.
TEST(JournalFileRead, TheLastEntryOfAKindIsFoundAcrossTheBlocksTheFileIsReadIn)
{
    TestPlaces places;
    std::filesystem::create_directories(places.DocumentsFolder());
    const std::filesystem::path path = places.DocumentsFolder() / "test.journal";
    const std::string open = JournalEntry{"open", 2, 2, 0, 0, 0, "Office", "Mail", ""}.Format();
    for (int shift = -8; shift <= 8; ++shift)
    {
        SCOPED_TRACE(shift);
        // The open line starts shift bytes after the place 64 KiB before the file's end.
        const std::string rest = '#' + std::string(65536 - shift - open.size() - 3, 'x') + "\r\n";
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            << JournalEntry{"open", 1, 1, 0, 0, 0, "Home", "Garden", ""}.Format()
            << std::string(100, '#') << "\r\n"
            << open << rest;
        const std::vector<JournalEntry> tail = JournalFile(path.string()).ReadFromLast("open");
        ASSERT_EQ(1u, tail.size());
        EXPECT_EQ(2, tail[0].start);
    }
}

// The last entry can span many blocks, as the books' own entry does; trailing line ends
// do not count as its end.
TEST(JournalFileRead, TheLastEntryIsReadWholeWhenItSpansManyBlocks)
{
    TestPlaces places;
    std::filesystem::create_directories(places.DocumentsFolder());
    const std::filesystem::path path = places.DocumentsFolder() / "test.journal";
    const std::string longName(300000, 'm');
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << JournalEntry{"open", 1, 1, 0, 0, 0, "Home", "Garden", ""}.Format()
        << JournalEntry{"open", 3, 3, 0, 0, 0, "Office", longName, ""}.Format() << "\r\n";
    const std::optional<JournalEntry> last = JournalFile(path.string()).ReadLast();
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(3, last->start);
    EXPECT_EQ(longName, last->todo);
}

// The books' own entry is read whole only where the books are replayed from it; the other
// readers take it with its other fields and no content.
TEST(JournalFileRead, OnlyTheCompleteReadGivesTheBooksContent)
{
    TestPlaces places;
    std::filesystem::create_directories(places.DocumentsFolder());
    const std::filesystem::path path = places.DocumentsFolder() / "test.journal";
    constexpr int64_t kThen = 1'700'000'000;
    JournalEntry books{"books", kThen, kThen, 0, 0, 0, "", "", std::string(200000, 'b')};
    books.device = "d";
    books.sequence = 7;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << JournalEntry{"open", kThen, kThen, 0, 0, 0, "Home", "Garden", ""}.Format()
        << books.Format();
    const JournalFile file(path.string());
    EXPECT_EQ(books.note, file.ReadComplete().back().note);
    for (const JournalEntry& read : {file.ReadAll().back(), file.ReadPlausible(kThen + 60).back(),
                                     file.ReadFromLast("books").back(), *file.ReadLast()})
    {
        EXPECT_EQ("books", read.kind);
        EXPECT_EQ("", read.note);
        EXPECT_EQ(7, read.sequence);
        EXPECT_EQ("d", read.device);
    }
}

TEST(JournalFileRead, EntriesWithNumbersNoClockWroteAreSkippedWithAWarning)
{
    TestPlaces places;
    places.SetArguments({"/log", "warn"});
    toolbox::Logger logger;
    const std::filesystem::path path = places.DocumentsFolder() / "test.journal";
    constexpr int64_t kDay = 86400;
    constexpr int64_t k1990 = 631152000;
    constexpr int64_t kLargest = int64_t{1} << 32; // 136 years
    const struct
    {
        int64_t start, end, todo, balance;
        bool kept;
    } cases[] = {
        {kTen - 3600, kTen, 3600, 0, true},
        {k1990, k1990 + 60, 60, 0, true},
        {k1990 - 1, k1990 + 60, 60, 0, false},
        {kTen, kTen + kDay, kDay, 0, true},
        {kTen + 1, kTen + kDay + 1, kDay, 0, false},
        {kTen - 7 * kDay, kTen, 7 * kDay, 0, true},
        {kTen - 7 * kDay - 1, kTen, 7 * kDay, 0, false},
        {kTen, kTen - 1, 0, 0, false},
        {INT64_MIN, INT64_MAX, INT64_MAX, 0, false},
        {-6918867498811, -6918867498811, 0, 0, false},
        {kTen, kTen, kLargest, -kLargest, true},
        {kTen, kTen, kLargest + 1, 0, false},
        {kTen, kTen, 0, -kLargest - 1, false},
    };
    std::string text;
    int64_t skipped = 0;
    for (const auto& each : cases)
    {
        text += JournalEntry{"session",    each.start, each.end, each.todo, each.todo,
                             each.balance, "Office",   "Mail",   "paused"}
                    .Format();
        skipped += each.kept ? 0 : 1;
    }
    std::ofstream(path, std::ios::binary) << text;

    const std::vector<JournalEntry> entries = JournalFile(path.string()).ReadPlausible(kTen);
    size_t next = 0;
    for (size_t line = 0; line < std::size(cases); ++line)
    {
        if (!cases[line].kept)
            continue;
        ASSERT_LT(next, entries.size());
        EXPECT_EQ(cases[line].start, entries[next].start) << "line " << line + 1;
        EXPECT_EQ(cases[line].todo, entries[next++].todoSeconds) << "line " << line + 1;
    }
    EXPECT_EQ(next, entries.size());
    const std::string log = ReadFileBytes(logger.GetPath().c_str());
    EXPECT_NE(std::string::npos, log.find("Skipped the journal line 3 in"));
    size_t warnings = 0;
    for (size_t at = log.find("cannot be true"); at != std::string::npos;
         at = log.find("cannot be true", at + 1))
        ++warnings;
    EXPECT_EQ(skipped, static_cast<int64_t>(warnings));
    // What the program wrote itself is still read whole where it is replayed.
    EXPECT_EQ(std::size(cases), JournalFile(path.string()).ReadAll().size());
}
