#pragma once

#include "toolbox/FileResult.h"
#include "toolbox/FileSystem.h"

#include <string>
#include <vector>

namespace toolbox
{

class Config;

// Receives the configuration's reports for the diagnostic log: a place, a source line, a log
// level and the text. The logger installs itself here; until then the reports go nowhere.
using ConfigLogHook = void (*)(const char* place, int line, int level, const char* text);
void SetConfigLogHook(ConfigLogHook hook);

// The file of a configuration store and its ".old" copy: a load picks the copy that is whole,
// and a save replaces the file so that it and its copy stay whole whatever fails.
class ConfigFile
{
public:
    // What the last load found: which file the store came from, and what was wrong with the
    // others, so that the user can be told.
    struct LoadReport
    {
        std::string loaded;       // empty when no file could be read
        std::string keptAside;    // the ".bad" name an unreadable file was given
        std::string oldKeptAside; // the same for an unreadable ".old" copy
        FileResult readError;     // a file that is there but could not be read
    };

    // The store is not owned and outlives this object.
    explicit ConfigFile(Config& store) : store(store) {}
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // Loads the file, or its ".old" copy where the file is missing, unreadable or not whole.
    // An unreadable copy that is not loaded is set aside as ".bad" unless readOnly is given,
    // so that no later save replaces it.
    bool Load(const char* fileName, bool readOnly);
    const LoadReport& LastLoad() const { return lastLoad; }
    // Writes through a symbolic link to its target; the file and its ".old" copy stay whole
    // whatever fails.
    FileResult Save(const char* fileName);

    // The top-level sections every save writes: a file that lacks one was cut short, and is
    // not loaded while its ".old" copy is whole.
    void SetSectionsEverySaveWrites(std::vector<std::string> names) { everySave = names; }
    void SetFileSystem(FileSystem& files) { fileSystem = &files; }
    FileSystem& GetFileSystem() const { return *fileSystem; }

private:
    enum class Found
    {
        Missing,
        Unreadable, // there, but reading it failed
        Damaged,    // read, but it does not parse
        Empty,      // parses, and holds nothing
        Partial,    // parses, but lacks what every save writes
        Whole
    };
    Found Read(const char* fileName, std::string& text);
    Found ParseFound(std::string& text);
    std::string KeepAside(const std::string& fileName);

    Config& store;
    FileSystem* fileSystem = &FileSystem::Native();
    std::vector<std::string> everySave;
    LoadReport lastLoad;
    // A file that the store did not come from: a save sets it aside rather than letting it
    // replace the ".old" copy, which may be the only readable one.
    std::string notLoadedFrom;
};

} // namespace toolbox
