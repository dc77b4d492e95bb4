#include "app/ProgramArguments.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

constexpr const char* kUsage =
    "Usage: tallydene [/log LEVEL] [--pause]\n"
    "       tallydene --export-csv FILE [--from DATE] [--to DATE]\n"
    "       tallydene --help\n"
    "\n"
    "  /log LEVEL         write a diagnostic log of LEVEL and above: debug, info,\n"
    "                     warn, error, exception or fatal\n"
    "  --pause            pause the running copy; with none running, start paused\n"
    "  --export-csv FILE  write the journal's sessions to FILE as CSV, without a window\n"
    "  --from DATE        the first day to export, YYYY-MM-DD\n"
    "  --to DATE          the last day to export, YYYY-MM-DD\n"
    "  -h, --help         print this text and end\n";

constexpr int kBadArguments = 2;

} // namespace

std::optional<int> ProgramArguments::AnswerBeforeStart(int argc, const char* const* argv,
                                                       std::ostream& out, std::ostream& errors)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    // A value such as "/log"'s level word is never taken for an option.
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] == "--help" || arguments[i] == "-h")
        {
            out << kUsage;
            return 0;
        }
        if (arguments[i] == "/log" || arguments[i] == "--export-csv" || arguments[i] == "--from" ||
            arguments[i] == "--to")
            ++i;
    }
    // The export checks its own arguments.
    if (std::find(arguments.begin(), arguments.end(), "--export-csv") != arguments.end())
        return std::nullopt;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] == "/log")
            ++i; // its level word; alone at the end it asks for nothing, as the logger reads it
        else if (arguments[i] != "--pause")
        {
            errors << "tallydene: unknown argument \"" << arguments[i] << "\"\n\n" << kUsage;
            return kBadArguments;
        }
    }
    return std::nullopt;
}
