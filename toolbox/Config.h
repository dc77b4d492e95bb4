#pragma once

#include "toolbox/ConfigFile.h"
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

// The configuration store: one tree of named sections holding named parameters, the
// configurables that read and write their own sections, and the file it is kept in.
class Config
{
public:
    using LoadReport = ConfigFile::LoadReport;

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
    // malformed text, which leaves the store empty. The text is used up: it is unescaped where
    // it stands.
    bool Parse(char* text);
    // The file's load and save; see ConfigFile.
    bool LoadFile(const char* fileName, bool readOnly = false)
    {
        return file.Load(fileName, readOnly);
    }
    const LoadReport& LastLoad() const { return file.LastLoad(); }
    FileResult SaveFile(const char* fileName) { return file.Save(fileName); }
    FileResult KeepUnreadAside(LoadReport& report) { return file.KeepUnreadAside(report); }

    void SetSectionsEverySaveWrites(std::vector<std::string> names)
    {
        file.SetSectionsEverySaveWrites(std::move(names));
    }
    // The files a load or a save goes through; the system's own unless a test says otherwise.
    void SetFileSystem(FileSystem& files) { file.SetFileSystem(files); }
    FileSystem& GetFileSystem() const { return file.GetFileSystem(); }

private:
    StringKeyHashMap<Configurable> configurables{false};
    std::unique_ptr<ConfigSection> root;
    ConfigFile file{*this};
};

} // namespace toolbox
