#include "app/calendar/IcsExport.h"

#include "app/calendar/CalendarEvents.h"
#include "app/journal/CsvExport.h"

#include <algorithm>
#include <vector>

std::optional<int> IcsExport::Run(int argc, const char* const* argv, const std::string& journalPath,
                                  std::ostream& errors)
{
    // The one switch without a value is taken out before the common arguments are read.
    std::vector<const char*> rest(argv, argv + argc);
    const auto perDay =
        std::find_if(rest.begin(), rest.end(),
                     [](const char* argument) { return std::string(argument) == "--per-day"; });
    const bool byDay = perDay != rest.end();
    if (byDay)
        rest.erase(perDay);
    return CsvExport::RunExport(
        static_cast<int>(rest.size()), rest.data(), "--export-ics", journalPath, errors,
        [byDay](const std::vector<Session>& sessions, int64_t now)
        { return CalendarEvents::Text(CalendarEvents::Of(sessions, byDay), now); },
        true);
}
