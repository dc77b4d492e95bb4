#include "app/ProgramArguments.h"
#include "app/Tallydene.h"
#include "app/journal/CsvExport.h"
#ifdef TALLYDENE_CALENDARS
#include "app/calendar/IcsExport.h"
#endif
#include "app/journal/SessionJournal.h"
#include "toolbox/Logger.h"
#include "toolbox/TriExtApp.h"
#include "ui/TallydeneApp.h"

#include <iostream>

wxIMPLEMENT_APP_NO_MAIN(TallydeneApp);

int main(int argc, char** argv)
{
    // Before anything is read or written: asking for the usage never touches the data.
    if (const std::optional<int> exitCode =
            ProgramArguments::AnswerBeforeStart(argc, argv, std::cout, std::cerr))
        return *exitCode;
    // The diagnostic log comes first, so that it outlives everything that may write to it.
    toolbox::Logger::Global();
    const std::string journal = SessionJournal::FileIn(
        mfctriext::TriExtApp::FindConfigurationDirectory(Tallydene::kApplicationName));
    if (const std::optional<int> exitCode = CsvExport::Run(argc, argv, journal, std::cerr))
        return *exitCode;
#ifdef TALLYDENE_CALENDARS
    if (const std::optional<int> exitCode = IcsExport::Run(argc, argv, journal, std::cerr))
        return *exitCode;
#endif
    return wxEntry(argc, argv);
}
