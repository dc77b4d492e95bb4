#pragma once

#include <cstdint>
#include <ctime>

// The program's clock counts seconds since 31 December 1989, 00:00:00 UTC, so that
// 1 January 1990 is day 1 and a Monday. Days change at midnight UTC everywhere.

// The clock value of a UTC date and time. The count ends on 18 January 2058, where 32 bits run
// out: later moments read as the last second the clock can hold, never as a wrapped value.
int32_t ClockValueOf(const std::tm& utc);

// The day number of a clock value.
int32_t DayOf(int32_t clockValue);

// 0 for Monday up to 6 for Sunday, also for days before the clock's start.
int WeekdayOf(int32_t day);

// The same moment in seconds since 1970, as the C library counts.
std::time_t UnixTimeOf(int32_t clockValue);

// The day number of the local calendar date at that moment, counted as DayOf counts UTC dates,
// so that a day number names the same date whichever midnight the days change at.
int32_t LocalDayOf(int32_t clockValue);

// The date a day number names: year since 1900, month 0 to 11 and day 1 to 31, as std::gmtime.
std::tm DateOfDay(int32_t day);
