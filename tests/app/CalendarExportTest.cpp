#include "app/calendar/CalendarEvents.h"
#include "app/calendar/IcsExport.h"
#include "app/journal/JournalFile.h"
#include "tests/app/LocalZone.h"
#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

namespace
{

// Sunday 29 March 2026, 00:30 UTC: half an hour before Berlin's clocks go forward.
constexpr int64_t kBeforeSummerTime = 1774744200;
constexpr int64_t kHour = 3600;

struct Row
{
    std::string project;
    std::string todo;
    std::string note;
    int64_t start;
    int64_t end;
};

class CalendarExportTest : public testing::Test
{
protected:
    std::string Journal() const { return (places.Root() / "t.journal").string(); }
    std::string Out() const { return (places.Root() / "out.ics").string(); }
    void Add(const std::string& kind, const Row& row, int64_t sequence, std::string note = "")
    {
        JournalEntry entry;
        entry.kind = kind;
        entry.start = row.start;
        entry.end = row.end;
        entry.todoSeconds = row.end - row.start;
        entry.project = row.project;
        entry.todo = row.todo;
        entry.note = note.empty() ? row.note : note;
        entry.todoId = std::to_string(std::hash<std::string>{}(row.project + '/' + row.todo));
        entry.device = "d1";
        entry.sequence = sequence;
        ASSERT_TRUE(JournalFile(Journal()).Append(entry));
    }
    int Export(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "tallydene");
        std::vector<const char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(argument.c_str());
        errors.str("");
        return *IcsExport::Run(static_cast<int>(argv.size()), argv.data(), Journal(), errors);
    }
    std::string Written() const
    {
        std::ifstream in(Out(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::map<std::string, CalendarEvent> ReadBack() const
    {
        std::map<std::string, CalendarEvent> byUid;
        const std::optional<std::vector<CalendarEvent>> events = CalendarEvents::Read(Written());
        EXPECT_TRUE(events.has_value());
        for (const CalendarEvent& event : events ? *events : std::vector<CalendarEvent>{})
            byUid[event.uid] = event;
        return byUid;
    }

    TestPlaces places;
    LocalZone zone{"Europe/Berlin"};
    std::ostringstream errors;
};

} // namespace

TEST_F(CalendarExportTest, EverySessionIsOneEventThatReadsBackAndKeepsItsUidAcrossExports)
{
    const int64_t now = std::time(nullptr);
    const std::vector<Row> rows = {
        {"Office", "Mail, post; \\ misc\nsecond line", "paused", kBeforeSummerTime - 5 * kHour,
         kBeforeSummerTime - 4 * kHour},
        // Across midnight in Berlin (23:30 to 00:40 local).
        {"Büro", "Größe ☕ prüfen", "", kBeforeSummerTime - 2 * kHour, kBeforeSummerTime - 50 * 60},
        // Across the change to summer time: 01:30 CET to 04:30 CEST is two hours.
        {"Office", "Call", "away", kBeforeSummerTime, kBeforeSummerTime + 2 * kHour},
    };
    for (size_t i = 0; i < rows.size(); ++i)
        Add(JournalKind::session, rows[i], static_cast<int64_t>(i + 1));
    Add(JournalKind::open, {"Office", "Call", "", now - 600, now - 600}, 4);

    ASSERT_EQ(0, Export({"--export-ics", Out()})) << errors.str();
    const std::string text = Written();
    // CR LF only, no line longer than 75 octets, texts escaped, times in UTC.
    size_t lineStart = 0;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    {
        ASSERT_EQ('\r', text[at - 1]) << at;
        EXPECT_LE(at - 1 - lineStart, 75u) << text.substr(lineStart, at - lineStart);
        lineStart = at + 1;
    }
    for (const char* part : {"Mail\\, post\\; \\\\ misc\\nsecond line", "DTSTART:20260328T193000Z",
                             "DTEND:20260329T023000Z", "DTSTAMP:", "UID:tallydene-d1-1"})
        EXPECT_NE(std::string::npos, text.find(part)) << part;

    std::map<std::string, CalendarEvent> events = ReadBack();
    ASSERT_EQ(4u, events.size());
    for (size_t i = 0; i < rows.size(); ++i)
    {
        const Row& row = rows[i];
        const CalendarEvent& event = events["tallydene-d1-" + std::to_string(i + 1)];
        EXPECT_EQ(row.start, event.start) << i;
        EXPECT_EQ(row.end, event.end) << i;
        EXPECT_FALSE(event.wholeDay);
        EXPECT_EQ(row.todo + " - " + row.project, event.summary);
        EXPECT_EQ("Project: " + row.project + "\nTodo: " + row.todo +
                      (row.note.empty() ? "" : "\nNote: " + row.note),
                  event.description);
    }
    const CalendarEvent& running = events["tallydene-d1-4"];
    EXPECT_EQ(now - 600, running.start);
    EXPECT_GE(running.end, now);
    EXPECT_LE(running.end, now + 60);

    // The first session moved by an hour and the running one ended: the same events, changed.
    Add(JournalKind::edit, {"Office", rows[0].todo, "", rows[0].start + kHour, rows[0].end + kHour},
        5, std::to_string(rows[0].start));
    Add(JournalKind::session, {"Office", "Call", "paused", now - 600, now - 300}, 6);
    ASSERT_EQ(0, Export({"--export-ics", Out()}));
    events = ReadBack();
    ASSERT_EQ(4u, events.size());
    EXPECT_EQ(rows[0].start + kHour, events["tallydene-d1-1"].start);
    EXPECT_EQ(now - 300, events["tallydene-d1-4"].end);

    // One whole-day event per local day and todo, with the day's total; from and to still apply.
    ASSERT_EQ(0, Export({"--export-ics", Out(), "--per-day", "--to", "2026-03-29"}));
    std::map<std::string, int64_t> days;
    for (const auto& [uid, event] : ReadBack())
    {
        EXPECT_TRUE(event.wholeDay) << uid;
        days[event.summary] = event.end - event.start;
    }
    // The day the clocks go forward has 23 hours.
    EXPECT_EQ((std::map<std::string, int64_t>{
                  {"Call - Office (2:00)", 23 * kHour},
                  {"Größe ☕ prüfen - Büro (1:10)", 24 * kHour},
                  {"Mail, post; \\ misc\nsecond line - Office (1:00)", 24 * kHour}}),
              days);

    // Refused as the CSV export refuses.
    EXPECT_EQ(2, Export({"--export-ics"}));
    EXPECT_EQ(2, Export({"--export-ics", Out(), "--from", "2026-02-30"}));
    EXPECT_EQ(1, Export({"--export-ics", (places.Root() / "no" / "x.ics").string()}));
    EXPECT_NE(std::string::npos, errors.str().find("cannot write"));
}
