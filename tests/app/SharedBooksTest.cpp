#include "app/Options.h"
#include "app/sharing/SharedBooks.h"
#include "app/sharing/Sharing.h"
#include "app/forms/OptionsForm.h"
#include "toolbox/DailyBackups.h"
#include "app/journal/BooksText.h"
#include "app/journal/DeviceId.h"
#include "app/clock/ClockValue.h"
#include "app/journal/JournalFile.h"
#include "app/journal/JournalReplay.h"
#include "app/journal/SessionHistory.h"
#include "app/journal/SessionJournal.h"
#include "model/Todo.h"
#include "model/Project.h"
#include "tests/app/AppScenario.h"
#include "tests/app/RandomUser.h"
#include "tests/app/SyncthingPair.h"
#include "tests/support/Mount.h"

#include <cstdlib>
#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

namespace
{

// One machine of the user's: its own data folder, its own clock (minutes off the others'), and a
// user making random changes.
struct Machine
{
    std::filesystem::path dataHome;
    FakeUtcClock clock;
    RebuildingMainWindow view;
    std::unique_ptr<Tallydene> app;
    std::unique_ptr<SharedBooks> books;
    std::mt19937 random;
    std::unique_ptr<CoinPrompts> prompts;
    std::unique_ptr<RandomSteps> steps;
    bool connected = true;
};

} // namespace

class SharedBooksTest : public AppScenario
{
protected:
    static constexpr int32_t kHour = 3600;

    // A machine whose data folder starts with the data file; the program starts as it does on a
    // user's machine, there.
    Machine& AddMachine(int skewSeconds, unsigned seed) { return AddMachine(skewSeconds, seed, {}); }

    Machine& AddMachine(int skewSeconds, unsigned seed, const std::string& configFile)
    {
        auto machine = std::make_unique<Machine>();
        machine->dataHome = temp.Path() / ("machine" + std::to_string(machines.size() + 1));
        const std::filesystem::path folder = machine->dataHome / "Brindlecott" / "Tallydene";
        std::filesystem::create_directories(folder);
        if (configFile.empty())
            std::filesystem::copy_file(ConfigFile(), folder / "Tallydene.cfg");
        else
            WriteFileBytes(folder / "Tallydene.cfg", configFile);
        setenv("XDG_DATA_HOME", machine->dataHome.string().c_str(), 1);
        machine->clock.Set(start[0], start[1], start[2], 10, 0, 0);
        machine->clock.Advance(skewSeconds);
        machine->app = std::make_unique<Tallydene>(machine->clock, ',');
        Tallydene& app = *machine->app;
        machine->view.app = &app;
        app.SetMainWindow(&machine->view);
        machine->view.RebuildTree();
        app.CloseInterruptedSession();
        app.UpdateTime();
        machine->random.seed(seed);
        machine->prompts = std::make_unique<CoinPrompts>(machine->random);
        Machine* self = machine.get();
        machine->steps = std::make_unique<RandomSteps>(
            app, machine->view, *machine->prompts, machine->random,
            [this, self](long long seconds, bool asleep)
            {
                // The world's time passes on every machine; this one may have slept.
                for (auto& other : machines)
                    if (other.get() == self && asleep)
                        other->clock.Suspend(seconds);
                    else
                        other->clock.Advance(seconds);
            });
        machines.push_back(std::move(machine));
        return *machines.back();
    }

    // The first machine's books are where sharing starts; every machine takes them.
    void StartSharing()
    {
        const std::string starting = BooksText::Of(*machines.front()->app);
        for (auto& machine : machines)
        {
            machine->books = std::make_unique<SharedBooks>(
                *machine->app, starting, machine->app->GetJournal().LastSequence());
            machine->books->Fold();
        }
    }

    // What one machine's journal holds of the shared books so far reaches another, as a sync
    // engine copies a file: the first entries of it, up to any point.
    void Deliver(Machine& from, Machine& to, bool whole)
    {
        std::vector<JournalEntry> entries = from.books->OwnEntries();
        if (!whole && !entries.empty())
            entries.resize(from.random() % (entries.size() + 1));
        to.books->Take(entries);
        to.app->FinishCommand();
    }

    std::vector<std::unique_ptr<Machine>> machines;
    // The day the machines' clocks start on, at 10:00 UTC.
    std::array<int, 3> start = {2026, 3, 2};
};

TEST_F(SharedBooksTest, ThreeMachinesWithRandomChangesEndWithTheSameBooks)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 45, 0);
    settings.workingTimeEnabled = true;
    settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
    settings.projects = {{"Garden", 9000, {{"Mow", 3600}, {"Weed", 1800, 5}}},
                         {"Office", 7200, {{"Mail", 7200}, {"Plan", 0, 5}}},
                         {"Web", 0, {}}};
    for (unsigned seed = 1; seed <= 3 && !HasFailure(); ++seed)
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        machines.clear();
        std::filesystem::remove_all(temp.Path() / "machine1");
        std::filesystem::remove_all(temp.Path() / "machine2");
        std::filesystem::remove_all(temp.Path() / "machine3");
        WriteConfig(settings);
        // Clocks up to ten minutes apart.
        AddMachine(0, seed * 10 + 1);
        AddMachine(-600, seed * 10 + 2);
        AddMachine(540, seed * 10 + 3);
        StartSharing();
        std::mt19937 network(seed);
        for (int step = 0; step < 240; ++step)
        {
            SCOPED_TRACE("step " + std::to_string(step));
            // The third machine is offline for a while.
            machines[2]->connected = step < 80 || step >= 160;
            Machine& machine = *machines[network() % machines.size()];
            machine.steps->Step();
            if (network() % 3 == 0)
            {
                Machine& from = *machines[network() % machines.size()];
                Machine& to = *machines[network() % machines.size()];
                if (&from != &to && from.connected && to.connected)
                    Deliver(from, to, false);
            }
            if (HasFailure())
                return;
        }
        // Everything reaches everyone, after every clock has stopped.
        for (auto& machine : machines)
        {
            machine->app->Pause();
            machine->app->FinishCommand();
        }
        for (auto& from : machines)
            for (auto& to : machines)
                if (from != to)
                    Deliver(*from, *to, true);
        const std::string books = BooksOf(*machines.front()->app);
        for (auto& machine : machines)
            EXPECT_EQ(books, BooksOf(*machine->app));

        // The same books as one fold of every entry, in any order, some twice.
        std::vector<JournalEntry> all;
        for (auto& machine : machines)
        {
            const std::vector<JournalEntry> own = machine->books->OwnEntries();
            all.insert(all.begin(), own.rbegin(), own.rend());
            all.insert(all.end(), own.begin(), own.begin() + static_cast<long>(own.size() / 2));
        }
        JournalReplay::Fold(*machines[1]->app, machines[1]->books->StartingBooks(), all);
        EXPECT_EQ(books, BooksOf(*machines[1]->app));
    }
}

TEST_F(SharedBooksTest, WhereTheMachinesChangesMeetEachRuleHoldsWhateverTheOrder)
{
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 0, 0);
    settings.workingTimeEnabled = true;
    settings.targets = {8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 8 * kHour, 0, 0};
    settings.projects = {{"Office", 7200, {{"Mail", 3600}, {"Plan", 0}}}};
    WriteConfig(settings);
    clock.Set(2026, 3, 2, 9, 0, 0);
    const std::unique_ptr<Tallydene> app = Start(false);
    const std::string starting = BooksText::Of(*app);
    const std::string office = ProjectNamed(*app, "Office").GetId();
    const std::string mail = TodoNamed(*app, "Office", "Mail").GetId();
    const std::string plan = TodoNamed(*app, "Office", "Plan").GetId();
    const int32_t monday = DayOf(ClockAt(2026, 3, 2));

    int64_t sequence = 0;
    const auto entry = [&](const char* kind, const char* device, int64_t milliseconds)
    {
        JournalEntry made;
        made.kind = kind;
        made.device = device;
        made.sequence = ++sequence;
        made.stamp = HybridClock::Stamp{milliseconds, 0}.Text();
        made.start = made.end = milliseconds / 1000;
        made.projectId = office;
        made.project = "Office";
        return made;
    };
    const auto charged = [&](const char* device, int64_t milliseconds, int32_t before,
                             int32_t after, int64_t balance)
    {
        JournalEntry made = entry(JournalKind::charged, device, milliseconds);
        made.balanceSeconds = balance;
        made.value = std::to_string(after) + ",0," + std::to_string(before) + ",0";
        return made;
    };
    const auto rename = [&](const char* device, int64_t milliseconds, const char* name)
    {
        JournalEntry made = entry(JournalKind::rename, device, milliseconds);
        made.todoId = mail;
        made.note = name;
        return made;
    };
    std::vector<JournalEntry> entries;
    // Tuesday charged by both machines, then one charges Tuesday to Thursday after a week away.
    entries.push_back(charged("a", 1000, monday, monday + 1, -8 * kHour));
    entries.push_back(charged("b", 1500, monday, monday + 1, -8 * kHour));
    entries.push_back(charged("b", 1800, monday, monday + 3, -24 * kHour));
    // Mail renamed on both; the later name holds.
    entries.push_back(rename("b", 2000, "Letters"));
    entries.push_back(rename("a", 2100, "Post"));
    // Plan deleted on one machine while the other worked ten minutes on it.
    JournalEntry deleted = entry(JournalKind::deleteTodo, "a", 3000);
    deleted.todoId = plan;
    deleted.todo = "Plan";
    entries.push_back(deleted);
    JournalEntry worked = entry(JournalKind::session, "b", 3100);
    worked.todoId = plan;
    worked.todo = "Plan";
    worked.todoSeconds = worked.projectSeconds = worked.balanceSeconds = 600;
    entries.push_back(worked);
    // A todo of the other machine's takes the name Mail ended with.
    JournalEntry made = entry(JournalKind::newTodo, "b", 4000);
    made.todoId = std::string(32, 'f');
    made.todo = "Post";
    made.value = "2,1";
    entries.push_back(made);

    std::mt19937 random(7);
    for (int order = 0; order < 4; ++order)
    {
        SCOPED_TRACE("order " + std::to_string(order));
        std::vector<JournalEntry> arrived = entries;
        std::shuffle(arrived.begin(), arrived.end(), random);
        arrived.insert(arrived.end(), entries.begin(), entries.begin() + order);
        EXPECT_TRUE(JournalReplay::Fold(*app, starting, arrived).empty());
        const OvertimeAccount& account = app->GetOvertimeAccount();
        EXPECT_EQ(-24 * kHour + 600, account.GetBalance());
        EXPECT_EQ(monday + 3, account.GetLastChargedDay());
        EXPECT_EQ(7200 + 600, ProjectNamed(*app, "Office").GetTotalTime());
        EXPECT_EQ(3600, TodoNamed(*app, "Office", "Post").GetTime());
        EXPECT_EQ(mail, TodoNamed(*app, "Office", "Post").GetId());
        EXPECT_EQ(made.todoId, TodoNamed(*app, "Office", "Post (2)").GetId());
        EXPECT_EQ(2, ProjectNamed(*app, "Office").GetTodos().Count());
    }
}

TEST_F(SharedBooksTest, TwoMachinesShareAFolderJoinByMergingAndSurviveConflictCopiesAndAnOutage)
{
    ExpectedSettings first;
    first.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 45, 0);
    first.projects = {{"Office", 7200, {{"Mail", 3600}, {"Plan", 0}}}};
    ExpectedSettings second = first;
    second.projects = {{"Office", 1800, {{"Mail", 1800}}}, {"Home", 600, {{"Tax", 600}}}};
    WriteConfig(first);
    Machine& desk = AddMachine(0, 1);
    Machine& laptop = AddMachine(120, 2, ExpectedConfigFile(second));
    const std::filesystem::path shared = temp.Path() / "Sync";
    std::filesystem::create_directories(shared);

    ASSERT_TRUE(desk.app->GetSharing().Begin(shared.string(), Sharing::Joining::Merge));
    EXPECT_TRUE(Sharing::HoldsBooks(shared.string()));
    ASSERT_TRUE(laptop.app->GetSharing().Begin(shared.string(), Sharing::Joining::Merge));
    // Same names became one with their times added; the rest was added.
    EXPECT_EQ(5400, TodoNamed(*laptop.app, "Office", "Mail").GetTime());
    EXPECT_EQ(9000, ProjectNamed(*laptop.app, "Office").GetTotalTime());
    EXPECT_EQ(600, TodoNamed(*laptop.app, "Home", "Tax").GetTime());

    // Each works; each tick exchanges; both end with the same books.
    desk.app->Activate(TodoNamed(*desk.app, "Office", "Plan"));
    desk.clock.Advance(600);
    laptop.clock.Advance(600);
    desk.app->UpdateTime();
    laptop.app->UpdateTime();
    desk.app->UpdateTime();
    EXPECT_EQ(BooksOf(*desk.app), BooksOf(*laptop.app));
    EXPECT_EQ(600, TodoNamed(*laptop.app, "Office", "Plan").GetTime());
    EXPECT_EQ("Plan", desk.view.titles.back()) << "the running todo runs on";
    EXPECT_NE(std::string::npos, laptop.view.statusTexts.back().find("Plan runs on "));
    // Only the two journals and the starting books are in the folder.
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(shared / "Tallydene"))
        names.push_back(file.path().filename().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = {"books.cfg", desk.app->GetJournal().Device() + ".journal",
                                         laptop.app->GetJournal().Device() + ".journal"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, names);

    // The engine kept an older laptop journal and made the newer one a conflict copy: its
    // entries are taken in, the copy removed, and the laptop writes its file whole again.
    const std::filesystem::path laptopJournal =
        shared / "Tallydene" / (laptop.app->GetJournal().Device() + ".journal");
    const std::string older = ReadFileBytes(laptopJournal);
    laptop.app->GetLedger().Apply(
        {Change::Comment(TodoNamed(*laptop.app, "Home", "Tax").GetId(), "from the copy")});
    laptop.app->FinishCommand();
    laptop.app->UpdateTime();
    const std::filesystem::path conflict =
        shared / "Tallydene" /
        (laptop.app->GetJournal().Device() + ".sync-conflict-20260302-101500-ABCDEFG.journal");
    std::filesystem::rename(laptopJournal, conflict);
    WriteFileBytes(laptopJournal, older);
    desk.app->UpdateTime();
    EXPECT_FALSE(std::filesystem::exists(conflict));
    EXPECT_EQ("from the copy", TodoNamed(*desk.app, "Home", "Tax").GetComment());
    laptop.app->UpdateTime();
    const std::vector<JournalEntry> rewritten = JournalFile(laptopJournal.string()).ReadAll();
    EXPECT_EQ(1, std::count_if(rewritten.begin(), rewritten.end(), [](const JournalEntry& entry)
                               { return entry.kind == JournalKind::comment; }));

    // The folder out of reach: told once, the books go on, and catch up when it is back.
    std::filesystem::rename(shared, temp.Path() / "Away");
    desk.app->Pause();
    desk.app->UpdateTime();
    desk.app->UpdateTime();
    EXPECT_EQ(1, std::count_if(desk.view.prompts.shown.begin(), desk.view.prompts.shown.end(),
                               [](const auto& shown) { return shown.kind == "inform"; }));
    EXPECT_NE(std::string::npos,
              desk.view.statusTexts.back().find("Shared folder out of reach"));
    std::filesystem::rename(temp.Path() / "Away", shared);
    desk.app->UpdateTime();
    laptop.app->UpdateTime();
    EXPECT_EQ(BooksOf(*desk.app), BooksOf(*laptop.app));

    // How the days are counted is the books' own: the laptop takes the desk's choice.
    desk.app->GetLedger().SetDaysLocal(true);
    desk.app->FinishCommand();
    desk.app->UpdateTime();
    laptop.app->UpdateTime();
    EXPECT_TRUE(laptop.app->GetOptions().AreDaysLocal());

    // A later start on the laptop ends the session on the desk where it began.
    desk.app->Activate(TodoNamed(*desk.app, "Office", "Mail"));
    desk.app->FinishCommand();
    desk.app->UpdateTime();
    laptop.app->UpdateTime();
    for (Machine* machine : {&desk, &laptop})
        machine->clock.Advance(300);
    laptop.app->Activate(TodoNamed(*laptop.app, "Home", "Tax"));
    laptop.app->FinishCommand();
    for (Machine* machine : {&desk, &laptop})
        machine->clock.Advance(600);
    laptop.app->UpdateTime();
    desk.app->UpdateTime();
    EXPECT_EQ(nullptr, desk.app->GetActiveTodo());
    EXPECT_EQ(5400 + 420, TodoNamed(*desk.app, "Office", "Mail").GetTime());
    EXPECT_EQ(0, desk.view.titles.back().find("Tax runs on ")) << desk.view.titles.back();
    laptop.app->UpdateTime();
    EXPECT_EQ(BooksOf(*desk.app), BooksOf(*laptop.app));

    // Away time waiting for its answer stays with its todo when the books are folded anew.
    desk.app->Activate(TodoNamed(*desk.app, "Office", "Plan"));
    desk.app->FinishCommand();
    laptop.app->GetLedger().Apply(
        {Change::Comment(TodoNamed(*laptop.app, "Office", "Mail").GetId(), "again")});
    laptop.app->FinishCommand();
    laptop.app->UpdateTime();
    desk.clock.Suspend(3600);
    desk.app->UpdateTime();
    EXPECT_EQ("again", TodoNamed(*desk.app, "Office", "Mail").GetComment());
    ASSERT_TRUE(desk.app->GetAwayTime());
    EXPECT_EQ(&TodoNamed(*desk.app, "Office", "Plan"), desk.app->GetAwayTime()->todo);
    desk.app->TakeAwayTime();
    desk.app->Pause();
    desk.app->UpdateTime();
    laptop.app->UpdateTime();

    // A third machine joins through the options: no folder is refused; then it takes the
    // shared books, its own kept as a backup.
    ExpectedSettings third = first;
    third.projects = {{"Garden", 0, {{"Mow", 900}}}};
    Machine& home = AddMachine(-60, 3, ExpectedConfigFile(third));
    OptionsForm options(*home.app);
    options.Open();
    EXPECT_FALSE(options.shareBooks);
    options.shareBooks = true;
    options.shareFolder = (temp.Path() / "Nowhere").string();
    EXPECT_EQ(FormField::ShareFolder, options.Confirm(home.view.prompts).focus);
    options.shareFolder = shared.string();
    home.view.prompts.answers = {false, true};
    EXPECT_TRUE(options.Confirm(home.view.prompts).accepted);
    EXPECT_EQ(BooksOf(*laptop.app), BooksOf(*home.app));
    ASSERT_EQ(1u, toolbox::DailyBackups(home.app->DataFilePath()).List().size());
    EXPECT_NE(std::string::npos,
              ReadFileBytes(toolbox::DailyBackups(home.app->DataFilePath()).List().front().path)
                  .find("<Mow>"));

    // A new start folds the same books from the folder.
    const std::string books = BooksOf(*laptop.app);
    laptop.app.reset();
    setenv("XDG_DATA_HOME", laptop.dataHome.string().c_str(), 1);
    laptop.app = std::make_unique<Tallydene>(laptop.clock, ',');
    laptop.app->CloseInterruptedSession();
    EXPECT_EQ(books, BooksOf(*laptop.app));
}

TEST_F(SharedBooksTest, ADataFolderCopiedToAnotherMachineWritesAsADeviceOfItsOwn)
{
    const std::string path = (temp.Path() / "Tallydene.device").string();
    const std::string id(32, 'a');
    struct Case
    {
        const char* file;
        bool keepsId;
    };
    const Case cases[] = {
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\nmachine-1\r\n", true},
        // Kept by an earlier version, without the machine: kept, the machine added.
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\nmachine-2\r\n", false},
        {"not an id\r\nmachine-1\r\n", false},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.file);
        WriteFileBytes(path, each.file);
        const std::string read = DeviceId::ReadOrMake(path, "machine-1");
        EXPECT_EQ(each.keepsId, read == id);
        EXPECT_EQ(read + "\r\nmachine-1\r\n", ReadFileBytes(path));
        EXPECT_EQ(read, DeviceId::ReadOrMake(path, "machine-1"));
    }
}

// The shared folder on a disk that fills up, then mounted read-only: the machine is told once
// for each outage, goes on alone, and the other machine gets everything once it is back.
TEST_F(SharedBooksTest, AFullAndAReadOnlySharedFolderAreToldOnceAndCaughtUpWith)
{
    const std::filesystem::path shared = temp.Path() / "Sync";
    std::filesystem::create_directories(shared);
    Mount disk(shared, "tmpfs", "tmpfs", 0, "size=64k");
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting is not allowed here";
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(2026, 3, 2, 9, 45, 0);
    settings.projects = {{"Office", 0, {{"Mail", 0}, {"Plan", 0}}}};
    WriteConfig(settings);
    Machine& desk = AddMachine(0, 1);
    Machine& laptop = AddMachine(30, 2);
    ASSERT_TRUE(desk.app->GetSharing().Begin(shared.string(), Sharing::Joining::Merge));
    ASSERT_TRUE(laptop.app->GetSharing().Begin(shared.string(), Sharing::Joining::UseShared));
    const auto informed = [&]
    {
        return std::count_if(desk.view.prompts.shown.begin(), desk.view.prompts.shown.end(),
                             [](const auto& shown) { return shown.kind == "inform"; });
    };
    const auto work = [&](int minutes)
    {
        for (int minute = 0; minute < minutes; ++minute)
        {
            desk.clock.Advance(60);
            laptop.clock.Advance(60);
            desk.app->UpdateTime();
        }
    };

    desk.app->Activate(TodoNamed(*desk.app, "Office", "Mail"));
    std::ofstream(shared / "filler", std::ios::binary) << std::string(128 * 1024, 'x');
    work(3);
    EXPECT_EQ(1, informed());
    EXPECT_NE(std::string::npos, desk.view.statusTexts.back().find("Shared folder out of reach"));
    EXPECT_EQ(180, TodoNamed(*desk.app, "Office", "Mail").GetTime()) << "the books go on";
    std::filesystem::remove(shared / "filler");
    work(1);
    laptop.app->UpdateTime();
    EXPECT_EQ(BooksOf(*desk.app), BooksOf(*laptop.app));

    ASSERT_TRUE(disk.SetReadOnly(true));
    desk.app->Pause();
    work(2);
    EXPECT_EQ(2, informed());
    ASSERT_TRUE(disk.SetReadOnly(false));
    work(1);
    laptop.app->UpdateTime();
    EXPECT_EQ(240, TodoNamed(*laptop.app, "Office", "Mail").GetTime());
    EXPECT_EQ(BooksOf(*desk.app), BooksOf(*laptop.app));
}

// Two machines share the books through two real Syncthing instances: 500 sessions on each, 50 of
// them while the two are cut apart, and the same todo renamed on both meanwhile. Afterwards
// both hold the same books and the same 1,000 sessions, no conflict copy is left, each working
// day was charged once, and a start on one machine ends the session running on the other. Then
// the real program, started on each machine's data folder, saves the same books.
TEST_F(SharedBooksTest, TwoMachinesThroughRealSyncthingEndWithTheSameBooks)
{
    SyncthingPair::IsolateNetwork();
    ASSERT_FALSE(HasFatalFailure());
    // The machines work the twenty days that start on the Monday three weeks ago, so that the
    // real programs started at the end take the books without a long gap to ask about.
    std::time_t monday = std::time(nullptr) - 22 * 24 * kHour;
    std::tm day{};
    gmtime_r(&monday, &day);
    monday -= ((day.tm_wday + 6) % 7) * 24 * kHour;
    gmtime_r(&monday, &day);
    start = {day.tm_year + 1900, day.tm_mon + 1, day.tm_mday};
    ExpectedSettings settings;
    settings.lastTimeUpdated = ClockAt(start[0], start[1], start[2], 10, 0, 0);
    settings.targets = {28800, 28800, 28800, 28800, 28800, 0, 0};
    settings.projects = {{"Office", 0, {{"Mail", 0}, {"Plan", 0}}}, {"Home", 0, {{"Tax", 0}}}};
    WriteConfig(settings);
    Machine& desk = AddMachine(0, 1);
    Machine& laptop = AddMachine(90, 2);
    SyncthingPair engines;
    engines.Start(temp.Path());
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(desk.app->GetSharing().Begin(engines.Folder(0).string(), Sharing::Joining::Merge));
    const auto waitFor = [](const std::function<bool()>& condition)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!condition() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return condition();
    };
    ASSERT_TRUE(waitFor([&] { return Sharing::HoldsBooks(engines.Folder(1).string()); }));
    ASSERT_TRUE(
        laptop.app->GetSharing().Begin(engines.Folder(1).string(), Sharing::Joining::UseShared));

    // Twenty days from Monday 2 March: the desk works 25 sessions of ten minutes from 10:00, the
    // laptop 25 after it. The world's time passes on both.
    const std::vector<std::string> todos = {TodoNamed(*desk.app, "Office", "Mail").GetId(),
                                            TodoNamed(*desk.app, "Office", "Plan").GetId(),
                                            TodoNamed(*desk.app, "Home", "Tax").GetId()};
    const auto work = [&](Machine& machine, int sessions)
    {
        for (int session = 0; session < sessions; ++session)
        {
            machine.app->Activate(*machine.app->GetLedger().FindTodo(todos[session % 3]));
            machine.app->FinishCommand();
            for (auto& each : machines)
                each->clock.Advance(600);
            machine.app->Pause();
            machine.app->UpdateTime();
        }
    };
    int64_t worked = 0;
    for (int day = 0; day < 20; ++day)
    {
        if (day == 10)
        {
            engines.Connect(false);
            ASSERT_TRUE(waitFor([&] { return !engines.Connected(); }));
        }
        work(desk, 25);
        work(laptop, 25);
        worked += 50 * 600;
        if (day == 10)
        {
            // Cut apart, both rename Mail; the laptop's name is the later one.
            desk.app->GetLedger().Apply({Change::Rename(
                TodoNamed(*desk.app, "Office", "Mail").GetId(), "Post")});
            desk.app->FinishCommand();
            laptop.app->GetLedger().Apply({Change::Rename(
                TodoNamed(*laptop.app, "Office", "Mail").GetId(), "Letters")});
            laptop.app->FinishCommand();
            engines.Connect(true);
        }
        for (auto& each : machines)
            each->clock.Advance(24 * kHour - 50 * 600);
        desk.app->UpdateTime();
        laptop.app->UpdateTime();
    }

    // From the last change on, each machine looks every 100 ms, as its timer does.
    const auto last = std::chrono::steady_clock::now();
    ASSERT_TRUE(waitFor(
        [&]
        {
            desk.app->UpdateTime();
            laptop.app->UpdateTime();
            return BooksOf(*desk.app) == BooksOf(*laptop.app) &&
                   desk.app->GetSharing().StatusText() != "" &&
                   laptop.app->GetJournal().LastSequence() > 0;
        }));
    const double converged =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - last).count();
    // The engine's own time to copy a file, in the same run.
    const auto probed = std::chrono::steady_clock::now();
    std::ofstream(engines.Folder(0) / "probe") << "probe";
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(engines.Folder(1) / "probe"); }));
    const double copied =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - probed).count();
    RecordProperty("converged_ms", static_cast<int>(converged * 1000));
    RecordProperty("file_copied_ms", static_cast<int>(copied * 1000));
    std::cout << "Books equal " << converged << " s after the last change; the engine copies a "
              << "file in " << copied << " s\n";

    const auto sessionsOf = [](Machine& machine)
    {
        return SessionsOf(machine.app->GetSharing().WithOtherMachines(
            JournalFile(machine.app->GetJournal().GetFile().GetPath()).ReadAll(),
            SessionJournal::UnixTimeOf(machine.app->Now())));
    };
    const std::vector<Session> sessions = sessionsOf(desk);
    EXPECT_EQ(1000u, sessions.size());
    const std::vector<Session> onLaptop = sessionsOf(laptop);
    ASSERT_EQ(sessions.size(), onLaptop.size());
    for (size_t index = 0; index < sessions.size(); ++index)
        EXPECT_EQ(sessions[index].id, onLaptop[index].id);
    EXPECT_EQ(worked, ProjectNamed(*desk.app, "Office").GetTotalTime() +
                          ProjectNamed(*desk.app, "Home").GetTotalTime());
    EXPECT_EQ(2, ProjectNamed(*desk.app, "Office").GetTodos().Count());
    EXPECT_EQ("Letters", desk.app->GetLedger().FindTodo(todos[0])->GetName());
    // Twenty days from a Monday: fourteen working days charged, each once.
    EXPECT_EQ(worked - 14 * 28800, desk.app->GetOvertimeAccount().GetBalance());
    for (int side = 0; side < 2; ++side)
        for (const auto& file :
             std::filesystem::recursive_directory_iterator(engines.Folder(side)))
            EXPECT_EQ(std::string::npos, file.path().string().find("conflict")) << file.path();

    // One todo runs: a start on the laptop ends the desk's session when the desk sees it.
    desk.app->Activate(TodoNamed(*desk.app, "Office", "Plan"));
    desk.app->FinishCommand();
    for (auto& each : machines)
        each->clock.Advance(60);
    laptop.app->Activate(TodoNamed(*laptop.app, "Home", "Tax"));
    laptop.app->FinishCommand();
    EXPECT_TRUE(waitFor(
        [&]
        {
            laptop.app->UpdateTime();
            desk.app->UpdateTime();
            return desk.app->GetActiveTodo() == nullptr;
        }));
    EXPECT_EQ(0u, desk.view.titles.back().find("Tax runs on ")) << desk.view.titles.back();

    // Two copies of the real program, each on its machine's data folder, start on the shared
    // books and save the same projects and balance.
    laptop.app->Pause();
    laptop.app->FinishCommand();
    ASSERT_TRUE(waitFor(
        [&]
        {
            laptop.app->UpdateTime();
            desk.app->UpdateTime();
            return BooksOf(*desk.app) == BooksOf(*laptop.app);
        }));
    const std::string books = BooksOf(*desk.app);
    // A section of the books, without the indent, which the data file has and the books' text
    // has not, and without the moment of the clock that charged the days, which is each
    // program's own.
    const auto section = [](const std::string& text, const std::string& name)
    {
        const size_t from = text.find("<" + name + ">");
        const size_t to = text.find("</" + name + ">", from);
        std::string found = from == std::string::npos || to == std::string::npos
                                ? std::string()
                                : text.substr(from, to - from);
        std::erase(found, '\t');
        const std::string moment = std::string("<") + settings::kChargedAtUpdate.key + ">";
        if (const size_t at = found.find(moment); at != std::string::npos)
            found.erase(at, found.find('\n', at) + 1 - at);
        return found;
    };
    std::vector<pid_t> programs;
    for (auto& machine : machines)
    {
        machine->app.reset();
        // The program names its files after itself, as the tests' program does after Tallydene.
        const std::filesystem::path folder = machine->dataHome / "Brindlecott" / "Tallydene";
        for (const auto& file : std::filesystem::directory_iterator(folder))
            if (const std::string name = file.path().filename().string();
                name.starts_with("Tallydene."))
                std::filesystem::rename(file.path(), folder / ("t" + name.substr(1)));
        const std::string home = "XDG_DATA_HOME=" + machine->dataHome.string();
        std::vector<char*> environment = {const_cast<char*>(home.c_str())};
        for (char** each = environ; *each != nullptr; ++each)
            if (!std::string(*each).starts_with("XDG_DATA_HOME="))
                environment.push_back(*each);
        environment.push_back(nullptr);
        char program[] = TALLYDENE_BINARY_DIR "/ui/tallydene";
        char* arguments[] = {program, nullptr};
        pid_t pid = 0;
        ASSERT_EQ(0, posix_spawn(&pid, program, nullptr, nullptr, arguments, environment.data()));
        programs.push_back(pid);
    }
    // Both show their windows; the end they are then sent is handled once their start, which
    // takes in the shared books, is through.
    EXPECT_TRUE(waitFor(
        []
        {
            std::string shown;
            if (FILE* pipe = popen("xdotool search --onlyvisible --name ' - Tallydene$'", "r"))
            {
                char buffer[256];
                while (size_t read = fread(buffer, 1, sizeof buffer, pipe))
                    shown.append(buffer, read);
                pclose(pipe);
            }
            return std::count(shown.begin(), shown.end(), '\n') == 2;
        }));
    std::vector<std::string> saved;
    for (size_t index = 0; index < programs.size(); ++index)
    {
        kill(programs[index], SIGTERM);
        int status = 0;
        waitpid(programs[index], &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        saved.push_back(ReadFileBytes(machines[index]->dataHome / "Brindlecott" / "Tallydene" /
                                      "tallydene.cfg"));
    }
    EXPECT_EQ(section(books, "Projects"), section(saved[0], "Projects"));
    EXPECT_EQ(section(saved[0], "Projects"), section(saved[1], "Projects"));
    EXPECT_EQ(section(saved[0], "WorkingTime"), section(saved[1], "WorkingTime"));
}
