// The dates of moments the Windows C runtime refuses (before 1970) are counted out by the
// calendar, and agree with the runtime's own where it has one.
#include "toolbox/SystemTime.h"

#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(WindowsSystemTime, MomentsBefore1970HaveTheirDatesInUtcAndLocalStandardTime)
{
    struct Case
    {
        int64_t moment;
        int year, month, day, hour, minute, second, weekday, yearDay;
    };
    const Case cases[] = {
        {-1, 1969, 12, 31, 23, 59, 59, 3, 364},
        {-631152000, 1950, 1, 1, 0, 0, 0, 0, 0},
        {-1515870048, 1921, 12, 19, 4, 59, 12, 1, 352}, // the program clock's first second
        {-2208988800, 1900, 1, 1, 0, 0, 0, 1, 0},       // no leap year
        {-9460800000, 1670, 3, 14, 0, 0, 0, 5, 72},
        {951782400, 2000, 2, 29, 0, 0, 0, 2, 59}, // the runtime's own
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.moment);
        const std::tm utc = toolbox::UtcFieldsOf(static_cast<std::time_t>(c.moment));
        EXPECT_EQ(c.year - 1900, utc.tm_year);
        EXPECT_EQ(c.month - 1, utc.tm_mon);
        EXPECT_EQ(c.day, utc.tm_mday);
        EXPECT_EQ(c.hour, utc.tm_hour);
        EXPECT_EQ(c.minute, utc.tm_min);
        EXPECT_EQ(c.second, utc.tm_sec);
        EXPECT_EQ(c.weekday, utc.tm_wday);
        EXPECT_EQ(c.yearDay, utc.tm_yday);
    }

    // An hour east of UTC, before 1970 as after.
    ScopedVariable zone("TZ", "XXX-1", _tzset);
    for (const int64_t moment : {int64_t{-1}, int64_t{-2208988800 - 60}, int64_t{951782400}})
    {
        SCOPED_TRACE(moment);
        const std::tm utc = toolbox::UtcFieldsOf(static_cast<std::time_t>(moment + 3600));
        const std::tm local = toolbox::LocalFieldsOf(static_cast<std::time_t>(moment));
        EXPECT_EQ(utc.tm_year, local.tm_year);
        EXPECT_EQ(utc.tm_yday, local.tm_yday);
        EXPECT_EQ(utc.tm_hour, local.tm_hour);
        EXPECT_EQ(utc.tm_min, local.tm_min);
    }
}
