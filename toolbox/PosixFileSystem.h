#pragma once

#include "toolbox/FileSystem.h"

namespace toolbox
{

// The file operations on a POSIX system: open, write, fsync, close, rename, and fsync of the
// folder, so that a save survives a power cut.
class PosixFileSystem : public FileSystem
{
public:
    std::unique_ptr<File> OpenForWrite(const char* name, const char* permissionsOf) override;
    bool Append(const char* name, const std::string& bytes, const char* permissionsOf) override;
    bool Rename(const char* from, const char* to) override;
    bool RenameAside(const char* from, const char* to) override;
    bool Link(const char* from, const char* to) override;
    bool SyncFolder(const char* fileName) override;
    bool Exists(const char* name) override;
    std::string Resolve(const char* name) override;
    ReadResult ReadWholeFile(const char* name, std::string& bytes) override;
};

} // namespace toolbox
