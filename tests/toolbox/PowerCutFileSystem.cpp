#include "tests/toolbox/PowerCutFileSystem.h"

#include <algorithm>

class PowerCutFileSystem::MemoryFile : public File
{
public:
    MemoryFile(PowerCutFileSystem& disk, int inode) : disk(disk), inode(inode) {}
    bool Write(const char* data, std::size_t size) override
    {
        disk.Step();
        disk.inodes[inode].current.append(data, size);
        return true;
    }
    bool Flush() override
    {
        disk.Step();
        return true;
    }
    bool Sync() override
    {
        disk.Step();
        disk.inodes[inode].durable = disk.inodes[inode].current;
        return true;
    }
    bool Close() override
    {
        disk.Step();
        return true;
    }

private:
    PowerCutFileSystem& disk;
    int inode;
};

PowerCutFileSystem::PowerCutFileSystem(const Disk& disk)
{
    for (const auto& [name, bytes] : disk)
    {
        names[name] = static_cast<int>(inodes.size());
        inodes.push_back({bytes, bytes});
    }
    durableNames = names;
}

void PowerCutFileSystem::Step()
{
    if (budget == 0)
        throw PowerCut();
    if (budget > 0)
        --budget;
}

std::unique_ptr<toolbox::FileSystem::File> PowerCutFileSystem::OpenForWrite(const char* name,
                                                                            const char*)
{
    Step();
    auto found = names.find(name);
    int inode;
    if (found != names.end())
    {
        inode = found->second;
        inodes[inode].current.clear();
    }
    else
    {
        inode = static_cast<int>(inodes.size());
        inodes.push_back({});
        names[name] = inode;
        pending.push_back({"", name, inode});
    }
    return std::make_unique<MemoryFile>(*this, inode);
}

bool PowerCutFileSystem::Append(const char* name, const std::string& bytes, const char*)
{
    Step();
    auto found = names.find(name);
    if (found == names.end())
    {
        found = names.emplace(name, static_cast<int>(inodes.size())).first;
        inodes.push_back({});
        pending.push_back({"", name, found->second});
    }
    Inode& inode = inodes[found->second];
    inode.current += bytes;
    // The sync: the bytes are durable, the name of a new file only once its folder is synced.
    Step();
    inode.durable = inode.current;
    return true;
}

bool PowerCutFileSystem::Rename(const char* from, const char* to)
{
    Step();
    auto found = names.find(from);
    if (found == names.end())
        return false;
    int inode = found->second;
    names.erase(found);
    names[to] = inode;
    pending.push_back({from, to, inode});
    return true;
}

bool PowerCutFileSystem::Link(const char* from, const char* to)
{
    Step();
    auto found = names.find(from);
    if (linksRefused || found == names.end())
        return false;
    names[to] = found->second;
    pending.push_back({"", to, found->second});
    return true;
}

bool PowerCutFileSystem::SyncFolder(const char*)
{
    Step();
    durableNames = names;
    pending.clear();
    return true;
}

bool PowerCutFileSystem::Exists(const char* name)
{
    return names.count(name) > 0;
}

toolbox::FileSystem::ReadResult PowerCutFileSystem::ReadWholeFile(const char* name,
                                                                  std::string& bytes)
{
    auto found = names.find(name);
    if (found == names.end())
        return ReadResult::Missing;
    bytes = inodes[found->second].current;
    return ReadResult::Read;
}

PowerCutFileSystem::Disk PowerCutFileSystem::Current() const
{
    Disk disk;
    for (const auto& [name, inode] : names)
        disk[name] = inodes[inode].current;
    return disk;
}

std::set<PowerCutFileSystem::Disk> PowerCutFileSystem::Survivors() const
{
    std::set<Disk> survivors;
    for (unsigned kept = 0; kept < (1u << pending.size()); ++kept)
    {
        std::map<std::string, int> survived = durableNames;
        for (std::size_t i = 0; i < pending.size(); ++i)
        {
            if ((kept & (1u << i)) == 0)
                continue;
            const NameChange& change = pending[i];
            if (change.from.empty())
                survived[change.to] = change.inode;
            else if (auto found = survived.find(change.from); found != survived.end())
            {
                int inode = found->second;
                survived.erase(found);
                survived[change.to] = inode;
            }
        }
        std::vector<int> unsynced;
        for (const auto& [name, inode] : survived)
            if (inodes[inode].durable != inodes[inode].current &&
                std::find(unsynced.begin(), unsynced.end(), inode) == unsynced.end())
                unsynced.push_back(inode);
        Disk disk;
        Fill(survived, unsynced, disk, survivors);
    }
    return survivors;
}

// Chooses the bytes of each file whose bytes were not synced, one file at a time.
void PowerCutFileSystem::Fill(const std::map<std::string, int>& survived, std::vector<int> unsynced,
                              Disk& disk, std::set<Disk>& out) const
{
    if (unsynced.empty())
    {
        Disk complete = disk;
        for (const auto& [name, inode] : survived)
            if (complete.count(name) == 0)
                complete[name] = inodes[inode].durable;
        out.insert(complete);
        return;
    }
    int inode = unsynced.back();
    unsynced.pop_back();
    const std::string& current = inodes[inode].current;
    for (const std::string& bytes :
         {inodes[inode].durable, std::string(), current.substr(0, current.size() / 2), current})
    {
        Disk chosen = disk;
        for (const auto& [name, named] : survived)
            if (named == inode)
                chosen[name] = bytes;
        Fill(survived, unsynced, chosen, out);
    }
}
