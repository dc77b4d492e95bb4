#include "app/calendar/CalendarFile.h"

#include "app/Prompts.h"
#include "app/calendar/CalendarEvents.h"
#include "toolbox/Translation.h"

#include <fstream>

bool CalendarFile::Write(const std::string& path, const SessionExport& exported, Prompts& prompts)
{
    const std::string text =
        CalendarEvents::Text(CalendarEvents::Of(exported.sessions, exported.perDay), exported.now);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (file)
        return true;
    prompts.Refuse(
        toolbox::Translation::TrFormat("The calendar could not be written to %s.", {path}));
    return false;
}
