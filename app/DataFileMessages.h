#pragma once

#include "toolbox/Config.h"
#include "toolbox/FileResult.h"

#include <string>

// What the user is told about the data file: a save that failed, files that could not be
// read at the start, a data folder that could not be made.
class DataFileMessages
{
public:
    DataFileMessages() = delete;

    // The first failed save of a run, or the first after a save succeeded.
    static std::string SaveFailed(const toolbox::FileResult& result);
    // The question at the end of the run, Yes trying again.
    static std::string SaveFailedAtEnd(const toolbox::FileResult& result);
    // Put in front of the status line while the data is not saved.
    static const char* const kNotSavedStatus;
    // What the start found wrong with the data file; empty when nothing was. With a backup
    // offered next, the start without the data is only what happens when it is declined.
    static std::string LoadProblems(const toolbox::Config::LoadReport& report,
                                    bool backupOffered = false);
    // A file that is there but cannot be read: Yes tries again, No sets it aside.
    static std::string CannotRead(const toolbox::Config::LoadReport& report);
    static std::string CannotKeepAside(const toolbox::FileResult& result);
    static std::string DataFolderUnmade(const std::string& wanted, const std::string& used);
};
