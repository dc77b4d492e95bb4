#pragma once

#include "toolbox/ConfigWriter.h"
#include "toolbox/FileSystem.h"

#include <memory>

namespace toolbox
{

// Writes into a file with CR LF line ends, on every platform, so that the file moves between
// systems unchanged.
class ConfigFileWriter : public ConfigWriter
{
public:
    explicit ConfigFileWriter(FileSystem& fileSystem = FileSystem::Native());
    ~ConfigFileWriter() override; // abandons a file that was not closed
    ConfigFileWriter(const ConfigFileWriter&) = delete;
    ConfigFileWriter& operator=(const ConfigFileWriter&) = delete;

    // Creates the file or cuts it to zero length, with the permissions of permissionsOf where
    // that file exists.
    bool Open(const char* fileName, const char* permissionsOf = nullptr);
    // Hands the whole text on to the system.
    bool Flush();
    bool Sync();
    bool Close();

protected:
    bool Deliver(const char* data, std::size_t size) override;

private:
    FileSystem& fileSystem;
    std::unique_ptr<FileSystem::File> file;
};

} // namespace toolbox
