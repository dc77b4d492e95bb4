#pragma once

#include "app/journal/SessionHistory.h"

#include <cstdint>
#include <functional>
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

// The file's text of the chosen sessions, at the moment given.
using ExportText = std::function<std::string(const std::vector<Session>&, int64_t now)>;
// The same for another format, whose file the option names; with withRunning, the session
// still running comes last, up to now.
std::optional<int> RunExport(int argc, const char* const* argv, const std::string& option,
                             const std::string& journalPath, std::ostream& errors,
                             const ExportText& text, bool withRunning = false);

} // namespace CsvExport
