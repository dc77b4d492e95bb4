#pragma once

#include <cerrno>
#include <cstddef>
#include <memory>
#include <string>

namespace toolbox
{

// The file operations the configuration file needs, behind one interface so that tests can
// make any of them fail, or replay a power cut after any of them. Every operation reports
// failure as its result, with the reason left in errno; none of them throws except for
// exhausted memory.
class FileSystem
{
public:
    // A file open for writing. Destroying it without Close abandons it: the handle is released
    // and whatever failure that meets is ignored.
    class File
    {
    public:
        virtual ~File() = default;
        // Hands the bytes to the file; the system may keep them in a buffer until Flush.
        virtual bool Write(const char* data, std::size_t size) = 0;
        // Passes every buffered byte on to the system; a full disk shows here at the latest.
        virtual bool Flush() = 0;
        // Returns only once the file's content is on the disk.
        virtual bool Sync() = 0;
        virtual bool Close() = 0;
    };

    enum class ReadResult
    {
        Read,
        Missing,
        CannotOpen, // there, but it cannot be opened for reading
        Failed      // opened, but reading it failed
    };

    virtual ~FileSystem() = default;

    // Creates the file or cuts it to zero length; nullptr when it cannot be opened. A new file
    // gets the permissions of the file permissionsOf where that exists, so that a file the
    // user closed to others stays closed when a save replaces it; its owner can always read
    // and write it.
    virtual std::unique_ptr<File> OpenForWrite(const char* name, const char* permissionsOf) = 0;
    // Adds the bytes at the end of the file, creating it, and returns once they are on the
    // disk. All or nothing: when a step fails, the file is cut back to its length before, so
    // that a retry never finds a part of the bytes already there. The file is no more open to
    // others than the file permissionsOf, and always open to its owner.
    virtual bool Append(const char* name, const std::string& bytes, const char* permissionsOf) = 0;
    // Gives the file a new name, replacing a file of that name in one step.
    virtual bool Rename(const char* from, const char* to) = 0;
    // Gives the file a new name that no file has yet; fails, leaving both alone, where one has.
    virtual bool RenameAside(const char* from, const char* to)
    {
        if (Exists(to))
        {
            errno = EEXIST;
            return false;
        }
        return Rename(from, to);
    }
    // Gives the file a second name, replacing a file of that name in one step; both names then
    // hold the same bytes. Fails where the file system has no such names (FAT, some shares).
    virtual bool Link(const char* from, const char* to) = 0;
    // Makes the names in the folder that holds the given file durable (renames, creations).
    virtual bool SyncFolder(const char* fileName) = 0;
    virtual bool Exists(const char* name) = 0;
    // The file a name leads to, following symbolic links; the name itself when it is no link.
    virtual std::string Resolve(const char* name) { return name; }
    // Reads the whole file into bytes, followed by one NUL byte that is not counted.
    virtual ReadResult ReadWholeFile(const char* name, std::string& bytes) = 0;

    // The operating system's own files.
    static FileSystem& Native();
};

} // namespace toolbox
