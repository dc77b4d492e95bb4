#include "app/ProgramArguments.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

constexpr const char* kUsage =
    "Usage: tallydene [/log LEVEL] [--pause]\n"
    "       tallydene --export-csv FILE [--from DATE] [--to DATE]\n"
#ifdef TALLYDENE_CALENDARS
    "       tallydene --export-ics FILE [--from DATE] [--to DATE] [--per-day]\n"
#endif
    "       tallydene --help\n"
    "\n"
    "  /log LEVEL         write a diagnostic log of LEVEL and above: debug, info,\n"
    "                     warn, error, exception or fatal\n"
    "  --pause            pause the running copy; with none running, start paused\n"
    "  --export-csv FILE  write the journal's sessions to FILE as CSV, without a window\n"
#ifdef TALLYDENE_CALENDARS
    "  --export-ics FILE  write them to FILE as iCalendar events instead\n"
    "  --per-day          one event per day and todo with the day's total\n"
#endif
    "  --from DATE        the first day to export, YYYY-MM-DD\n"
    "  --to DATE          the last day to export, YYYY-MM-DD\n"
    "  -h, --help         print this text and end\n";

constexpr int kBadArguments = 2;
#ifdef TALLYDENE_CALENDARS
constexpr const char* kIcsOption = "--export-ics";
#else
// Without the calendars it is an unknown argument like any other.
constexpr const char* kIcsOption = "--export-csv";
#endif

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
            arguments[i] == "--to" || arguments[i] == kIcsOption)
            ++i;
    }
    // The export checks its own arguments.
    for (const char* exporting : {"--export-csv", kIcsOption})
        if (std::find(arguments.begin(), arguments.end(), exporting) != arguments.end())
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
