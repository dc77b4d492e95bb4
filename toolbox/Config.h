#pragma once

#include "toolbox/Configurable.h"
#include "toolbox/FileResult.h"
#include "toolbox/FileSystem.h"
#include "toolbox/StringKeyHashMap.h"

#include <memory>
#include <string>
#include <vector>

namespace toolbox
{

class ConfigSection;
class Path;

// Receives the configuration's reports for the diagnostic log: a place, a source line, a log
// level and the text. The logger installs itself here; until then the reports go nowhere.
using ConfigLogHook = void (*)(const char* place, int line, int level, const char* text);
void SetConfigLogHook(ConfigLogHook hook);

// The configuration store: one tree of named sections holding named parameters, and its file.
class Config
{
public:
    // Where the store's text goes when it is written.
    class Writer
    {
    public:
        virtual ~Writer() = default;
        virtual bool WriteString(const char* text) = 0;
        virtual bool WriteChar(char c) = 0;

        // Writes a name so that reading gives it back unchanged.
        bool WriteEscaped(const char* text);
        // As a name, and also keeps a space at either end, which a reader would otherwise
        // take for layout around the value.
        bool WriteEscapedValue(const char* text);
    };

    // Writes into a file with CR LF line ends, on every platform, so that the file moves
    // between systems unchanged.
    class FileWriter : public Writer
    {
    public:
        explicit FileWriter(FileSystem& fileSystem = FileSystem::Native());
        ~FileWriter() override; // abandons a file that was not closed
        FileWriter(const FileWriter&) = delete;
        FileWriter& operator=(const FileWriter&) = delete;

        // Creates the file or cuts it to zero length, with the permissions of permissionsOf
        // where that file exists.
        bool Open(const char* fileName, const char* permissionsOf = nullptr);
        bool WriteString(const char* text) override;
        bool WriteChar(char c) override;
        bool Flush();
        bool Sync();
        bool Close();

    private:
        FileSystem& fileSystem;
        std::unique_ptr<FileSystem::File> file;
    };

    // What the last load found: which file the store came from, and what was wrong with the
    // others, so that the user can be told.
    struct LoadReport
    {
        std::string loaded;       // empty when no file could be read
        std::string keptAside;    // the ".bad" name an unreadable file was given
        std::string oldKeptAside; // the same for an unreadable ".old" copy
        FileResult readError;     // a file that is there but could not be read
    };

    // Sections nested deeper than this make a file malformed: no file this program writes
    // comes near it, and every walk over the tree stays shallow.
    static constexpr std::size_t maximumDepth = 64;

    Config();
    ~Config();
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    ConfigSection& GetRoot() { return *root; }
    const ConfigSection& GetRoot() const { return *root; }
    // Empties the tree; the root stays, and so do the configurables.
    void Clear();
    void NotifyConfigurables(bool saving);
    // Not owned: the store never destroys a configurable.
    StringKeyHashMap<Configurable>& Configurables() { return configurables; }

    // Replaces the store's content by the file text, which ends at its first NUL; false for a
    // malformed text, which leaves the store empty.
    bool Parse(char* text);
    // Loads the file, or its ".old" copy where the file is missing, unreadable or not whole.
    // An unreadable copy that is not loaded is set aside as ".bad" unless readOnly is given,
    // so that no later save replaces it.
    bool LoadFile(const char* fileName, bool readOnly = false);
    const LoadReport& LastLoad() const { return lastLoad; }
    // Writes through a symbolic link to its target; the file and its ".old" copy stay whole
    // whatever fails.
    FileResult SaveFile(const char* fileName);
    bool LoadFromDirectory(const Path& directory);
    // Only reads: the file beside the program belongs to an older installation.
    bool LoadBesideExecutable();
    FileResult SaveToDirectory(const Path& directory);

    // The top-level sections every save writes: a file that lacks one was cut short, and is
    // not loaded while its ".old" copy is whole.
    void SetSectionsEverySaveWrites(std::vector<std::string> names) { everySave = names; }

    // The files a load or a save goes through; the system's own unless a test says otherwise.
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

    StringKeyHashMap<Configurable> configurables{false};
    std::unique_ptr<ConfigSection> root;
    FileSystem* fileSystem = &FileSystem::Native();
    std::vector<std::string> everySave;
    LoadReport lastLoad;
    // A file that the store did not come from: a save sets it aside rather than letting it
    // replace the ".old" copy, which may be the only readable one.
    std::string notLoadedFrom;
};

} // namespace toolbox
