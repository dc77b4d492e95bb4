#pragma once

#include "toolbox/FileSystem.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// Files in memory that behave like a disk at a power cut. A file's bytes are durable only once
// it was synced, a name (a new file, a rename) only once its folder was synced. The power goes
// when a set number of operations has run: the operation that would come next throws
// PowerCut, and Survivors lists every disk the cut may leave: the durable state plus any
// subset of the name changes not yet durable (each whole, in their order), with each file
// whose bytes were not synced holding its old bytes, none, part or all of its new ones.
class PowerCutFileSystem : public toolbox::FileSystem
{
public:
    struct PowerCut
    {
    };
    using Disk = std::map<std::string, std::string>; // file name -> bytes

    // Starts from a disk on which everything is durable.
    explicit PowerCutFileSystem(const Disk& disk = {});

    // The power goes after this many more operations; negative: never.
    void CutPowerAfter(int operations) { budget = operations; }
    // Models a file system without second names: every Link fails.
    void RefuseLinks() { linksRefused = true; }
    std::set<Disk> Survivors() const;
    Disk Current() const;

    std::unique_ptr<File> OpenForWrite(const char* name, const char* permissionsOf) override;
    bool Append(const char* name, const std::string& bytes, const char*) override;
    bool Rename(const char* from, const char* to) override;
    bool Link(const char* from, const char* to) override;
    bool SyncFolder(const char* fileName) override;
    bool Exists(const char* name) override;
    ReadResult ReadWholeFile(const char* name, std::string& bytes) override;

private:
    class MemoryFile;
    struct Inode
    {
        std::string durable;
        std::string current;
    };
    struct NameChange
    {
        std::string from; // empty: a name was given to the file (created or linked)
        std::string to;
        int inode;
    };

    void Step();
    void Fill(const std::map<std::string, int>& names, std::vector<int> unsynced, Disk& disk,
              std::set<Disk>& out) const;

    std::vector<Inode> inodes;
    std::map<std::string, int> names;
    std::map<std::string, int> durableNames;
    std::vector<NameChange> pending;
    int budget = -1;
    bool linksRefused = false;
};
