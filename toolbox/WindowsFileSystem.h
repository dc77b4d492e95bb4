#pragma once

#include "toolbox/FileSystem.h"

namespace toolbox
{

// The file operations on Windows, with UTF-16 names: CreateFileW, WriteFile, FlushFileBuffers,
// and MoveFileExW with MOVEFILE_WRITE_THROUGH, which replaces the old file in one step and
// returns once the new name is on the disk, so that a save survives a power cut.
class WindowsFileSystem : public FileSystem
{
public:
    std::unique_ptr<File> OpenForWrite(const char* name, const char* permissionsOf) override;
    bool Append(const char* name, const std::string& bytes, const char* permissionsOf) override;
    bool Rename(const char* from, const char* to) override;
    bool RenameAside(const char* from, const char* to) override;
    bool Link(const char* from, const char* to) override;
    bool SyncFolder(const char* fileName) override;
    bool Exists(const char* name) override;
    ReadResult ReadWholeFile(const char* name, std::string& bytes) override;
};

} // namespace toolbox
