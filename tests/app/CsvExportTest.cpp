#include "app/journal/CsvExport.h"
#include "app/journal/JournalFile.h"
#include "app/journal/SessionsCsv.h"
#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

namespace
{

// 2 March 2026, 09:00 UTC.
constexpr int64_t kMorning = 1772442000;
constexpr int64_t kDay = 86400;

class CsvExportTest : public testing::Test
{
protected:
    CsvExportTest()
    {
        places.SetEnvironment("TZ", "UTC0");
        tzset();
    }
    ~CsvExportTest() override { tzset(); }

    std::string Journal() const { return (places.Root() / "t.journal").string(); }
    void Add(JournalEntry entry) { ASSERT_TRUE(JournalFile(Journal()).Append(entry)); }
    int Export(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "tallydene");
        std::vector<const char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(argument.c_str());
        errors.str("");
        return *CsvExport::Run(static_cast<int>(argv.size()), argv.data(), Journal(), errors);
    }
    std::string Out() const { return (places.Root() / "out.csv").string(); }

    TestPlaces places;
    std::ostringstream errors;
};

} // namespace

TEST(SessionsCsvField, QuotesOnlyWhatNeedsIt)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Office", "Office"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"", ""},
        {"Büro", "Büro"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(field, SessionsCsv::Field(text)) << text;
}

TEST(SessionsCsvField, TextThatStartsLikeAFormulaIsShownAsText)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+1", "'+1"},
        {"-1:30", "'-1:30"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tcmd", "'\tcmd"},
        {"\rcmd", "\"'\rcmd\""},
        {"=a,b", "\"'=a,b\""},
        {"a=b", "a=b"},
        {" =x", " =x"},
        {"'quoted", "'quoted"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(field, SessionsCsv::Field(text)) << text;
}

TEST_F(CsvExportTest, WritesTheSessionsWithinTheDatesUnderTheirCurrentNames)
{
    Add({"session", kMorning - kDay, kMorning - kDay + 600, 600, 600, 0, "Web", "Shop", "paused"});
    Add({"session", kMorning, kMorning + 5430, 5430, 5430, 0, "Office", "Mail, \"urgent\"",
         "switched"});
    Add({"open", kMorning + 5430, kMorning + 5430, 0, 0, 0, "Office", "Report", ""});
    Add({"session", kMorning + 5430, kMorning + 7200, 1770, 1770, 0, "Office", "Report", "quit"});
    Add({"rename", kMorning + 8000, kMorning + 8000, 0, 0, 0, "Office", "", "Work\nshop"});
    Add({"session", kMorning + kDay, kMorning + kDay + 60, 60, 60, 0, "Work\nshop", "Report",
         "paused"});

    ASSERT_EQ(0, Export({"--export-csv", Out(), "--from", "2026-03-02", "--to", "2026-03-02"}))
        << errors.str();
    EXPECT_EQ("", errors.str());
    std::ifstream file(Out(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(
        "Date,Start,End,Project,Todo,Duration,Hours,Ended\r\n"
        "2026-03-02,09:00,10:30,\"Work\nshop\",\"Mail, \"\"urgent\"\"\",1:31,1.51,switched\r\n"
        "2026-03-02,10:30,11:00,\"Work\nshop\",Report,0:30,0.49,quit\r\n",
        text);

    ASSERT_EQ(0, Export({"--export-csv", Out()}));
    std::ifstream all(Out(), std::ios::binary);
    const std::string allText((std::istreambuf_iterator<char>(all)), {});
    EXPECT_EQ(5, std::count(allText.begin(), allText.end(), '\r'));
}

TEST_F(CsvExportTest, BadArgumentsAndAnUnwritableFileAreToldAndFail)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--export-csv", Out(), "--from", "2026-13-01"}, "--from needs a date"},
        {{"--export-csv", Out(), "--to", "2026-04-31"}, "--to needs a date"},
        {{"--export-csv", Out(), "--from", "yesterday"}, "--from needs a date"},
        {{"--export-csv", Out(), "--from", "2026-03-02", "--to", "2026-03-01"}, "lies before"},
        {{"--export-csv"}, "--export-csv needs a value"},
        {{"--export-csv", Out(), "--until", "2026-03-01"}, "unknown argument \"--until\""},
    };
    for (const auto& [arguments, message] : cases)
    {
        EXPECT_EQ(2, Export(arguments)) << message;
        EXPECT_NE(std::string::npos, errors.str().find(message)) << errors.str();
    }
    EXPECT_FALSE(std::filesystem::exists(Out()));

    const std::string inMissingFolder = (places.Root() / "missing" / "out.csv").string();
    EXPECT_EQ(1, Export({"--export-csv", inMissingFolder}));
    EXPECT_NE(std::string::npos, errors.str().find("cannot write \"" + inMissingFolder + "\""));

    std::vector<const char*> plain = {"tallydene", "/log", "debug"};
    EXPECT_FALSE(CsvExport::Run(3, plain.data(), Journal(), errors));
}
