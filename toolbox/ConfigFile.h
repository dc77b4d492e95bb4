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
        // Files that are there but could not be read (permissions, an I/O error): they are
        // left as they are, and no save goes over them until KeepUnreadAside, or a load that
        // reads them.
        std::vector<FileResult> unread;
    };

    // The store is not owned and outlives this object.
    explicit ConfigFile(Config& store) : store(store) {}
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // Loads the file, or its ".old" copy where the file is missing, unreadable or not whole.
    // A copy that reads but does not parse, and is not loaded, is set aside as ".bad" unless
    // readOnly is given, so that no later save replaces it.
    bool Load(const char* fileName, bool readOnly);
    const LoadReport& LastLoad() const { return lastLoad; }
    // Writes through a symbolic link to its target; the file and its ".old" copy stay whole
    // whatever fails. Fails without touching anything while a file of the last load is unread.
    FileResult Save(const char* fileName);
    // The user's choice to go on without the files the last load could not read: each is
    // renamed to a free ".bad" name, and report says which. Saves go on once all are aside.
    FileResult KeepUnreadAside(LoadReport& report);

    // The top-level sections a file must hold to be loaded in place of a whole ".old" copy:
    // a file without them was cut short or is not this program's.
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
    // The first of name.bad, name.bad.1, name.bad.2, ... that does not exist.
    std::string FreeBadName(const std::string& fileName);

    Config& store;
    FileSystem* fileSystem = &FileSystem::Native();
    std::vector<std::string> everySave;
    LoadReport lastLoad;
    // A file that the store did not come from: a save sets it aside rather than letting it
    // replace the ".old" copy, which may be the only readable one.
    std::string notLoadedFrom;
    // Why the last read failed, for the report.
    FileResult readFailure;
    // The files the last load (not a read-only one) could not read; no save goes over them.
    std::vector<FileResult> unread;
    std::string loadedName; // the file name that load was given
};

} // namespace toolbox
