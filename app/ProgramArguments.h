#pragma once

#include <optional>
#include <ostream>

// The program's own arguments, checked before anything is read or written:
//   tallydene [/log LEVEL] [--pause]      starts the program
//   tallydene --export-csv FILE ...       exports and ends (CsvExport)
//   tallydene --help | -h                 prints the usage and ends
namespace ProgramArguments
{

// Nothing when the program goes on (to start or to export). Otherwise the exit code: 0 after
// the usage asked for with --help or -h, printed on out; 2 for an argument the program does not
// know, named on errors with the usage.
std::optional<int> AnswerBeforeStart(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& errors);

} // namespace ProgramArguments
