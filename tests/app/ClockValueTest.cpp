#include "app/clock/ClockValue.h"
#include "tests/app/FakeUtcClock.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

// Seconds since the clock's start by the C library's own calendar.
int64_t SecondsSinceClockStart(std::tm utc)
{
    std::tm start = UtcMoment(1989, 12, 31);
    return static_cast<int64_t>(timegm(&utc)) - static_cast<int64_t>(timegm(&start));
}

} // namespace

TEST(ClockValue, FirstOfJanuary1990IsDayOneAndAMonday)
{
    int32_t value = ClockValueOf(UtcMoment(1990, 1, 1));
    EXPECT_EQ(86400, value);
    EXPECT_EQ(1, DayOf(value));
    EXPECT_EQ(0, WeekdayOf(DayOf(value)));
}

// Every day from 1990 to the clock's end, at a time that moves through the day, agrees with
// the C library: month table, leap days of 1992, 2000 and later, and the years added up.
TEST(ClockValue, AgreesWithTheSystemCalendarOnEveryDayUntil2058)
{
    std::tm first = UtcMoment(1990, 1, 1);
    for (time_t day = 0; day < 24854; ++day)
    {
        time_t moment = timegm(&first) + day * 86400 + (day * 7919) % 86400;
        std::tm utc{};
        gmtime_r(&moment, &utc);
        int64_t expected = SecondsSinceClockStart(utc);
        ASSERT_EQ(expected, ClockValueOf(utc))
            << 1900 + utc.tm_year << "-" << utc.tm_mon + 1 << "-" << utc.tm_mday;
        // 1 January 1990 was a Monday; tm_wday counts from Sunday.
        ASSERT_EQ((utc.tm_wday + 6) % 7, WeekdayOf(DayOf(ClockValueOf(utc))));
    }
}

TEST(ClockValue, LeapDayOfACenturyYearOnlyEveryFourHundredYears)
{
    // 2000 is a leap year: 1 March follows 29 February.
    EXPECT_EQ(2 * 86400,
              ClockValueOf(UtcMoment(2000, 3, 1)) - ClockValueOf(UtcMoment(2000, 2, 28)));
    // 1900 is not; before 1990 only the day of the year counts.
    EXPECT_EQ(86400 * (59 + 1), ClockValueOf(UtcMoment(1900, 3, 1)));
}

TEST(ClockValue, StopsAtTheLastSecondItCanHold)
{
    constexpr int32_t last = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(last, ClockValueOf(UtcMoment(2058, 1, 18, 3, 14, 7)));
    EXPECT_EQ(last - 1, ClockValueOf(UtcMoment(2058, 1, 18, 3, 14, 6)));
    EXPECT_EQ(last, ClockValueOf(UtcMoment(2058, 1, 18, 3, 14, 8)));
    EXPECT_EQ(last, ClockValueOf(UtcMoment(2100, 6, 1)));
    EXPECT_EQ(last, ClockValueOf(UtcMoment(std::numeric_limits<int>::max(), 12, 31, 23, 59, 59)));
    EXPECT_EQ(24855, DayOf(last));
}

TEST(ClockValue, WeekdaysBeforeTheClockStartStayInTheWeek)
{
    EXPECT_EQ(6, WeekdayOf(0));  // Sunday 31 December 1989
    EXPECT_EQ(5, WeekdayOf(-1)); // Saturday
    EXPECT_EQ(0, WeekdayOf(-6));
    int lowest = WeekdayOf(DayOf(std::numeric_limits<int32_t>::min()));
    EXPECT_GE(lowest, 0);
    EXPECT_LE(lowest, 6);
}
