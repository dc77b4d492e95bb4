#pragma once

#include "toolbox/Configurable.h"
#include "toolbox/FileSystem.h"
#include "toolbox/StringKeyHashMap.h"

#include <memory>

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

        // Creates the file or cuts it to zero length.
        bool Open(const char* fileName);
        bool WriteString(const char* text) override;
        bool WriteChar(char c) override;
        bool Flush();
        bool Sync();
        bool Close();

    private:
        FileSystem& fileSystem;
        std::unique_ptr<FileSystem::File> file;
    };

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
    bool LoadFile(const char* fileName);
    bool SaveFile(const char* fileName);
    bool LoadFromDirectory(const Path& directory);
    bool LoadBesideExecutable();
    bool SaveToDirectory(const Path& directory);

    // The files a load or a save goes through; the system's own unless a test says otherwise.
    void SetFileSystem(FileSystem& files) { fileSystem = &files; }

private:
    bool LoadReadable(const char* fileName, bool& opened);
    void KeepAside(const char* fileName);

    StringKeyHashMap<Configurable> configurables{false};
    std::unique_ptr<ConfigSection> root;
    FileSystem* fileSystem = &FileSystem::Native();
};

} // namespace toolbox
