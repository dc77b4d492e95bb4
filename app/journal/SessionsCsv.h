#pragma once

#include "app/journal/SessionHistory.h"

#include <cstdint>
#include <string>
#include <vector>

// Sessions as comma-separated values for spreadsheets and timesheets: a header row, one row
// per session in local time, CR LF line ends and fields quoted where they need it (RFC 4180).
// The duration is given both as h:mm and as decimal hours.
namespace SessionsCsv
{

// A text field as written: quoted when it holds a comma, a quote or a line end, and after a
// single quote when it starts as a formula would (=, +, -, @, tab, CR). Only for names and
// notes: the program's own numbers ("-1:30") are written as they are.
std::string Field(const std::string& text);
// A duration rounded to the minute, as a timesheet shows it ("1:05").
std::string HoursAndMinutes(int64_t seconds);
// A duration in hours with two decimals and always a point: the comma separates the fields.
std::string DecimalHours(int64_t seconds);
std::string Text(const std::vector<Session>& sessions);

} // namespace SessionsCsv
