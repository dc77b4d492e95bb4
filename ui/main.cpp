#include "app/ProgramArguments.h"
#include "app/Tallydene.h"
#include "app/journal/CsvExport.h"
#ifdef TALLYDENE_CALENDARS
#include "app/calendar/IcsExport.h"
#endif
#include "app/journal/SessionJournal.h"
#include "toolbox/HeapPages.h"
#include "toolbox/Logger.h"
#include "toolbox/TriExtApp.h"
#include "ui/TallydeneApp.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <system_error>

wxIMPLEMENT_APP_NO_MAIN(TallydeneApp);

namespace
{

constexpr std::uintmax_t kHeapPerDataByte = 16;

std::uintmax_t DataFileSize(const toolbox::Path& dataFolder)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(
        toolbox::Path::CreateApplicationLikePath(dataFolder, "cfg").ToString(false).c_str(), error);
    return error ? 0 : size;
}

} // namespace

int main(int argc, char** argv)
{
    // Before anything is read or written: asking for the usage never touches the data.
    if (const std::optional<int> exitCode =
            ProgramArguments::AnswerBeforeStart(argc, argv, std::cout, std::cerr))
        return *exitCode;
    // The diagnostic log comes first, so that it outlives everything that may write to it.
    toolbox::Logger::Global();
    const toolbox::Path dataFolder =
        mfctriext::TriExtApp::FindConfigurationDirectory(Tallydene::kApplicationName);
    const std::string journal = SessionJournal::FileIn(dataFolder);
    if (const std::optional<int> exitCode = CsvExport::Run(argc, argv, journal, std::cerr))
        return *exitCode;
#ifdef TALLYDENE_CALENDARS
    if (const std::optional<int> exitCode = IcsExport::Run(argc, argv, journal, std::cerr))
        return *exitCode;
#endif
    // Large books fill the heap at the start: an item takes a few times its bytes on disk.
    toolbox::HeapInLargePages(kHeapPerDataByte * DataFileSize(dataFolder));
    return wxEntry(argc, argv);
}
