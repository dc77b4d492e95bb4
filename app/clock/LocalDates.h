#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Dates and times as the user reads and types them: local time, written YYYY-MM-DD and
// YYYY-MM-DD HH:MM. Moments are UTC seconds since 1970.
namespace LocalDates
{

// strftime's format on the local time of the moment.
std::string Text(int64_t moment, const char* format);
// Local midnight starting the date, or as many days later; nothing when it is no real date.
std::optional<int64_t> StartOfDate(const std::string& text, int daysLater = 0);
// The moment of a local date and time to the minute.
std::optional<int64_t> Moment(const std::string& text);

} // namespace LocalDates
