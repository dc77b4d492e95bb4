#pragma once

#include <optional>
#include <ostream>
#include <string>

// The calendar export from the command line:
//   tallydene --export-ics FILE [--from DATE] [--to DATE] [--per-day]
// writes the journal's sessions that start within the dates, the running one up to now, as
// iCalendar events (one per day and todo with --per-day), with CsvExport's exit codes.
namespace IcsExport
{

std::optional<int> Run(int argc, const char* const* argv, const std::string& journalPath,
                       std::ostream& errors);

} // namespace IcsExport
