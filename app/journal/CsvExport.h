#pragma once

#include <optional>
#include <ostream>
#include <string>

// The export from the command line, for scripts and timesheets:
//   tallydene --export-csv FILE [--from DATE] [--to DATE]
// writes the journal's sessions that start within the dates (local, YYYY-MM-DD, both
// inclusive) as CSV and ends the program without a window.
namespace CsvExport
{

// Nothing when the arguments ask for no export. Otherwise the program's exit code: 0 when
// the file was written, 2 for arguments that make no sense, 1 when the file cannot be
// written; every failure is told on the error stream.
std::optional<int> Run(int argc, const char* const* argv, const std::string& journalPath,
                       std::ostream& errors);

} // namespace CsvExport
