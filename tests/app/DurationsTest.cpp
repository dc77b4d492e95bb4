#include "app/Durations.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace
{
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

Durations WithComma()
{
    Durations durations;
    durations.SetDecimalChar(',');
    return durations;
}

struct FormatCase
{
    int32_t seconds;
    int width;
    int32_t format;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.seconds << " s, width " << c.width << ", format " << c.format;
}

class DurationFormat : public testing::TestWithParam<FormatCase>
{
};

TEST_P(DurationFormat, WritesHoursInTheRequestedShape)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(WithComma().FormatDuration(c.seconds, c.width, false, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DurationFormat,
    testing::Values(FormatCase{17100, 0, 0, "5"}, FormatCase{17100, 0, 1, "4,8"},
                    FormatCase{17100, 0, 2, "4,75"}, FormatCase{17100, 0, 3, "4:45"},
                    // Minutes and tenths round before the split into hours.
                    FormatCase{3599, 0, 3, "1:00"}, FormatCase{3599, 0, 1, "1,0"},
                    FormatCase{1800, 0, 0, "1"}, FormatCase{1799, 0, 0, "0"},
                    FormatCase{43500, 0, 3, "12:05"}, FormatCase{36, 0, 2, "0,01"},
                    FormatCase{0, 0, 1, "0,0"}, FormatCase{17100, 0, 4, ""},
                    FormatCase{17100, 3, -1, ""}));

INSTANTIATE_TEST_SUITE_P(Signs, DurationFormat,
                         testing::Values(FormatCase{-5400, 0, 2, "-1,50"},
                                         FormatCase{-10, 0, 1, "-0,0"}, FormatCase{-10, 0, 0, "-0"},
                                         FormatCase{-29, 0, 3, "-0:00"},
                                         FormatCase{-17100, 0, 3, "-4:45"}));

INSTANTIATE_TEST_SUITE_P(
    Padding, DurationFormat,
    testing::Values(FormatCase{7200, 3, 1, "    2,0"}, FormatCase{43200, 3, 1, "  12,0"},
                    FormatCase{442800, 3, 1, "123,0"}, FormatCase{4428000, 3, 1, "1230,0"},
                    FormatCase{-7200, 3, 2, "    -2,00"}, FormatCase{-43200, 3, 3, "  -12:00"},
                    FormatCase{7200, 1, 0, "2"}, FormatCase{7200, -4, 0, "2"},
                    FormatCase{7200, 2, 0, "  2"}));

// The extremes of the 32-bit range format exactly; no magnitude overflows.
INSTANTIATE_TEST_SUITE_P(Extremes, DurationFormat,
                         testing::Values(FormatCase{kInt32Max, 0, 0, "596523"},
                                         FormatCase{kInt32Max, 0, 1, "596523,2"},
                                         FormatCase{kInt32Max, 0, 2, "596523,24"},
                                         FormatCase{kInt32Max, 0, 3, "596523:14"},
                                         FormatCase{kInt32Min, 0, 0, "-596523"},
                                         FormatCase{kInt32Min, 0, 1, "-596523,2"},
                                         FormatCase{kInt32Min, 0, 2, "-596523,24"},
                                         FormatCase{kInt32Min, 0, 3, "-596523:14"}));

TEST(DurationFormatWidth, TextsStayWithin63CharactersWhateverTheWidth)
{
    const Durations durations = WithComma();
    EXPECT_EQ(durations.FormatDuration(-3600, 30, false, 2), std::string(58, ' ') + "-1,00");
    EXPECT_EQ(durations.FormatDuration(-3600, 1000, false, 2), std::string(58, ' ') + "-1,00");
    for (int32_t seconds : {kInt32Min, -1, 0, kInt32Max})
        for (int32_t format = 0; format <= 3; ++format)
            EXPECT_LE(
                durations.FormatDuration(seconds, std::numeric_limits<int>::max(), true, format)
                    .size(),
                63u);
}

TEST(DurationFormatSettings, ThreeArgumentFormUsesTimeFormatAndDecimalChar)
{
    Durations durations;
    EXPECT_EQ(durations.FormatDuration(17100, 0, false), "4.8");
    durations.SetTimeFormat(3);
    EXPECT_EQ(durations.FormatDuration(17100, 3, false), "    4:45");
    durations.SetTimeFormat(2);
    durations.SetDecimalChar(',');
    EXPECT_EQ(durations.FormatDuration(-17100, 0, false), "-4,75");
}

struct CopyCase
{
    int32_t timeRound;
    int32_t seconds;
    const char* expected;
};

void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << c.seconds << " s, TimeRound " << c.timeRound;
}

class DurationCopyForm : public testing::TestWithParam<CopyCase>
{
};

// The copy form rounds to the TimeRound unit and chooses its decimals from it, whatever the
// display format is.
TEST_P(DurationCopyForm, RoundsToTheUnitOfTimeRound)
{
    const CopyCase& c = GetParam();
    for (int32_t timeFormat : {0, 1, 3})
    {
        Durations durations = WithComma();
        durations.SetTimeFormat(timeFormat);
        durations.SetTimeRound(c.timeRound);
        EXPECT_EQ(durations.FormatForCopy(c.seconds), c.expected) << "TimeFormat " << timeFormat;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DurationCopyForm,
    testing::Values(CopyCase{2, 17400, "4,75"}, CopyCase{3, 17400, "5,0"}, CopyCase{4, 17400, "5"},
                    CopyCase{1, 17400, "4,8"}, CopyCase{0, 17400, "4,83"},
                    CopyCase{9, 17400, "4,83"}, CopyCase{-1, 17399, "4,83"},
                    // Halves round up, for the magnitude of negative values too.
                    CopyCase{4, 5399, "1"}, CopyCase{4, 5400, "2"}, CopyCase{4, -5400, "-2"},
                    CopyCase{2, 449, "0,00"}, CopyCase{2, 450, "0,25"},
                    CopyCase{4, kInt32Min, "-596523"}, CopyCase{4, kInt32Max, "596523"}));

TEST(DurationCopyRounding, FlagRoundsBeforeAnyFormat)
{
    Durations durations = WithComma();
    durations.SetTimeRound(2);
    EXPECT_EQ(durations.FormatDuration(17400, 0, true, 3), "4:45");
    EXPECT_EQ(durations.FormatDuration(17400, 0, false, 3), "4:50");
}

TEST(DurationDialogForm, NeverShowsASingleDecimal)
{
    Durations durations = WithComma();
    durations.SetTimeFormat(1);
    EXPECT_EQ(durations.FormatForDialog(17100), "4,75");
    durations.SetTimeFormat(3);
    EXPECT_EQ(durations.FormatForDialog(17100), "4:45");
    durations.SetTimeFormat(0);
    EXPECT_EQ(durations.FormatForDialog(27000), "8");
    EXPECT_EQ(Durations::ParseDuration(durations.FormatForDialog(27000)), 28800);
}

// What a dialog shows and reads back unchanged is the value rounded to the dialog's unit.
TEST(DurationDialogForm, ReadsBackRoundedToItsUnit)
{
    const std::pair<int32_t, int32_t> unitOfFormat[] = {{0, 3600}, {1, 36}, {2, 36}, {3, 60}};
    for (char decimal : {',', '.'})
        for (auto [format, unit] : unitOfFormat)
        {
            Durations durations;
            durations.SetDecimalChar(decimal);
            durations.SetTimeFormat(format);
            for (int32_t seconds = -8000; seconds <= 8000; seconds += 7)
            {
                const int32_t back = Durations::ParseDuration(durations.FormatForDialog(seconds));
                ASSERT_EQ(back % unit, 0) << seconds << " in format " << format;
                ASSERT_LE(std::abs(back - seconds), unit / 2) << seconds << " in format " << format;
            }
        }
}

struct ParseCase
{
    const char* text;
    int32_t expected;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class DurationParse : public testing::TestWithParam<ParseCase>
{
};

TEST_P(DurationParse, ReadsHours)
{
    EXPECT_EQ(Durations::ParseDuration(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, DurationParse,
    testing::Values(ParseCase{"12,50", 45000}, ParseCase{"12.50", 45000}, ParseCase{"12,5", 45000},
                    ParseCase{"12.5", 45000}, ParseCase{"12:30", 45000}, ParseCase{"12:3", 45000},
                    ParseCase{" 12:30 ", 45000}, ParseCase{"12:05", 43500}, ParseCase{"12", 43200},
                    ParseCase{",5", 1800}, ParseCase{"12:", 43200},
                    // Every character after the separator divides once, digit or not.
                    ParseCase{"0,333", 1199}, ParseCase{"1,5,7", 3618}, ParseCase{"1,5x", 3780},
                    // The comma wins over the full stop wherever they stand.
                    ParseCase{"1.5,5", 5400}, ParseCase{"1,5.5", 3618}, ParseCase{"1:30,5", 5400}));

INSTANTIATE_TEST_SUITE_P(SignsAndNoise, DurationParse,
                         testing::Values(ParseCase{"-1,5", -5400}, ParseCase{"  -1:30", -5400},
                                         ParseCase{"- 2", -7200}, ParseCase{"--2", 7200},
                                         ParseCase{"-+2", -7200}, ParseCase{"\t-2", -7200},
                                         ParseCase{"\t-,5", 1800}, ParseCase{"1,-5", 3421},
                                         ParseCase{"", 0}, ParseCase{"    ", 0}, ParseCase{"-", 0},
                                         ParseCase{"abc", 0}, ParseCase{"7h", 25200},
                                         ParseCase{"h7", 0}, ParseCase{"2\t", 7200},
                                         ParseCase{"\t2 ", 7200}));

// Beyond the 32-bit range the result saturates at its limits instead of wrapping.
INSTANTIATE_TEST_SUITE_P(
    Saturation, DurationParse,
    testing::Values(ParseCase{"596523", 2147482800}, ParseCase{"596524", kInt32Max},
                    ParseCase{"-596524", kInt32Min}, ParseCase{"596523,99", kInt32Max},
                    ParseCase{"99999999999999999999999", kInt32Max},
                    ParseCase{"-99999999999999999999999", kInt32Min},
                    ParseCase{"--99999999999999999999999", kInt32Max},
                    ParseCase{"99999999999999999999999:99", kInt32Max},
                    ParseCase{"1,000000000000001", 3600}, ParseCase{"1:000000000000001", 3600}));

// What a dialog's duration field accepts, and what it refuses (none).
TEST(DurationRead, AcceptsHoursAndHoursWithMinutesAndRefusesTheRest)
{
    const std::pair<std::string, std::optional<int32_t>> cases[] = {
        {"12,50", 45000},
        {"12.50", 45000},
        {"12,5", 45000},
        {"12:30", 45000},
        {"12:3", 45000},
        {" 12:30 ", 45000},
        {"12:05", 43500},
        {"12", 43200},
        {"0", 0},
        {",5", 1800},
        {"12.", 43200},
        {"12:", 43200},
        {"0,333", 1199},
        {"-1,5", -5400},
        {"  -1:30", -5400},
        {"-0", 0},
        {"596524", kInt32Max},
        {"-99999999999999999999999", kInt32Min},
        // Letters, trailing text, two separators, stray signs and blanks, and no digits.
        {"30m", {}},
        {"7h", {}},
        {"h7", {}},
        {"abc", {}},
        {"1h30", {}},
        {"1,5,7", {}},
        {"1.5,5", {}},
        {"1:30,5", {}},
        {"2:30:00", {}},
        {"1,-5", {}},
        {"- 2", {}},
        {"--2", {}},
        {"+2", {}},
        {"1 5", {}},
        {"\t2", {}},
        {"2\t", {}},
        {std::string("5\0,5", 4), {}},
        {"", {}},
        {"   ", {}},
        {"-", {}},
        {",", {}},
        {"-:", {}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Durations::ReadDuration(text), expected) << '"' << text << '"';
}

TEST(DurationParseLongFractions, StayWithinAboutAnHour)
{
    for (std::size_t length : {15u, 16u, 17u, 19u, 20u, 40u, 5000u})
    {
        const int32_t value = Durations::ParseDuration("0," + std::string(length, '9'));
        EXPECT_GE(value, 0) << length;
        EXPECT_LE(value, 3600) << length;
    }
    EXPECT_EQ(Durations::ParseDuration("0,999999999999999"), 3600);
}

TEST(DurationParseText, EndsAtTheFirstNul)
{
    EXPECT_EQ(Durations::ParseDuration(std::string("5\0,5", 4)), 18000);
}

struct VisibleCase
{
    int32_t timeFormat;
    int32_t seconds;
    bool visible;
};

void PrintTo(const VisibleCase& c, std::ostream* os)
{
    *os << c.seconds << " s, TimeFormat " << c.timeFormat;
}

class DurationVisibleTime : public testing::TestWithParam<VisibleCase>
{
};

TEST_P(DurationVisibleTime, DependsOnTimeFormat)
{
    Durations durations;
    durations.SetTimeFormat(GetParam().timeFormat);
    EXPECT_EQ(durations.ShowsTime(GetParam().seconds), GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, DurationVisibleTime,
                         testing::Values(VisibleCase{2, 17, false}, VisibleCase{2, 18, true},
                                         VisibleCase{1, 179, false}, VisibleCase{1, 180, true},
                                         VisibleCase{3, 29, false}, VisibleCase{3, 30, true},
                                         VisibleCase{0, 1, true}, VisibleCase{0, 0, false},
                                         VisibleCase{7, 1, true}, VisibleCase{1, -180, false},
                                         VisibleCase{0, kInt32Min, false},
                                         VisibleCase{3, kInt32Max, true}));

// In the formats with a fraction, a time is visible exactly when its display is not zero.
TEST(DurationVisibleTimeDisplay, MatchesANonZeroDisplay)
{
    const char* zeroOfFormat[] = {"", "0.0", "0.00", "0:00"};
    for (int32_t format = 1; format <= 3; ++format)
    {
        Durations durations;
        durations.SetTimeFormat(format);
        for (int32_t seconds = 0; seconds <= 400; ++seconds)
            ASSERT_EQ(durations.ShowsTime(seconds),
                      durations.FormatDuration(seconds, 0, false) != zeroOfFormat[format])
                << seconds << " in format " << format;
    }
}

TEST(LocaleDecimalChar, IsTheFullStopInTheCLocale)
{
    ScopedVariable environment("LC_ALL", "C");
    EXPECT_EQ(LocaleDecimalChar(), '.');
}

TEST(LocaleDecimalChar, FallsBackToTheFullStopForAnUnknownLocale)
{
    ScopedVariable environment("LC_ALL", "xx_NOWHERE.nothing");
    EXPECT_EQ(LocaleDecimalChar(), '.');
}

TEST(LocaleDecimalChar, IsTheCommaInAGermanLocale)
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
    {
        try
        {
            std::locale probe(name);
        }
        catch (const std::runtime_error&)
        {
            continue;
        }
        ScopedVariable environment("LC_ALL", name);
        EXPECT_EQ(LocaleDecimalChar(), ',');
        return;
    }
    GTEST_SKIP() << "no German locale installed";
}
} // namespace
