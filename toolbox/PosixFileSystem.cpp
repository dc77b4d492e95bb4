#include "toolbox/PosixFileSystem.h"

#include "toolbox/DataFilePermissions.h"
#include "toolbox/Exception.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace toolbox
{

namespace
{

// Writes all bytes, resuming after interruptions and partial writes.
bool WriteAll(int descriptor, const char* data, std::size_t size)
{
    while (size > 0)
    {
        ssize_t written = ::write(descriptor, data, size);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

int OpenRetrying(const char* name, int flags, mode_t mode = 0)
{
    int descriptor;
    do
        descriptor = ::open(name, flags | O_CLOEXEC, mode);
    while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

// Buffers small writes, as a save writes a tag or a byte at a time.
class PosixFile : public FileSystem::File
{
public:
    explicit PosixFile(int descriptor) : descriptor(descriptor) {}
    ~PosixFile() override
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }

    bool Write(const char* data, std::size_t size) override
    {
        if (descriptor < 0)
            return false;
        if (buffer.size() + size > capacity && !Flush())
            return false;
        if (size >= capacity)
            return WriteAll(descriptor, data, size);
        buffer.append(data, size);
        return true;
    }

    bool Flush() override
    {
        if (descriptor < 0)
            return false;
        bool written = WriteAll(descriptor, buffer.data(), buffer.size());
        buffer.clear();
        return written;
    }

    bool Sync() override
    {
        if (descriptor < 0)
            return false;
        int result;
        do
            result = ::fsync(descriptor);
        while (result != 0 && errno == EINTR);
        return result == 0;
    }

    bool Close() override
    {
        if (descriptor < 0)
            return false;
        bool flushed = Flush();
        // The descriptor is released even when close reports an error; retrying could close
        // a descriptor that another open has been given meanwhile.
        bool closed = ::close(descriptor) == 0;
        descriptor = -1;
        return flushed && closed;
    }

private:
    static constexpr std::size_t capacity = 64 * 1024;
    int descriptor;
    std::string buffer;
};

} // namespace

std::unique_ptr<FileSystem::File> PosixFileSystem::OpenForWrite(const char* name,
                                                                const char* permissionsOf)
{
    int descriptor = OpenRetrying(name, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (descriptor < 0)
        return nullptr;
    // Only a plain file takes the permissions: a device at the name keeps its own.
    struct stat model;
    struct stat opened;
    if (permissionsOf != nullptr && ::stat(permissionsOf, &model) == 0 &&
        ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
        // A file that keeps its owner out would be lost to the next load.
        ::fchmod(descriptor, (model.st_mode & 0777) | S_IRUSR | S_IWUSR) != 0)
    {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return nullptr;
    }
    try
    {
        return std::make_unique<PosixFile>(descriptor);
    }
    catch (const std::bad_alloc&)
    {
        ::close(descriptor);
        throw EOutOfMemory();
    }
}

bool PosixFileSystem::Append(const char* name, const std::string& bytes, const char* permissionsOf)
{
    const int descriptor =
        DataFilePermissions::Open(name, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, permissionsOf);
    if (descriptor < 0)
        return false;
    struct stat before
    {
    };
    const bool measured = ::fstat(descriptor, &before) == 0;
    bool appended = measured && WriteAll(descriptor, bytes.data(), bytes.size());
    int result = -1;
    if (appended)
    {
        do
            result = ::fsync(descriptor);
        while (result != 0 && errno == EINTR);
    }
    appended = appended && result == 0;
    const int error = errno;
    // A full disk may take part of the bytes before it refuses the rest.
    if (!appended && measured)
        static_cast<void>(::ftruncate(descriptor, before.st_size));
    // Synced, the bytes are on the disk whatever close says.
    ::close(descriptor);
    errno = error;
    return appended;
}

bool PosixFileSystem::Rename(const char* from, const char* to)
{
    return std::rename(from, to) == 0;
}

bool PosixFileSystem::RenameAside(const char* from, const char* to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    // Some file systems cannot refuse to replace; there the name is checked first.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return FileSystem::RenameAside(from, to);
}

bool PosixFileSystem::Link(const char* from, const char* to)
{
    // link() never replaces a name, so the second name is made aside and renamed over the
    // target, which replaces it in one step.
    const std::string aside = GuardAllocation([&] { return std::string(to) + ".link"; });
    ::unlink(aside.c_str());
    if (::link(from, aside.c_str()) != 0)
        return false;
    if (std::rename(aside.c_str(), to) == 0)
        return true;
    ::unlink(aside.c_str());
    return false;
}

bool PosixFileSystem::SyncFolder(const char* fileName)
{
    const char* slash = std::strrchr(fileName, '/');
    const std::string folder = GuardAllocation(
        [&]
        {
            if (slash == nullptr)
                return std::string(".");
            return std::string(fileName, slash == fileName ? slash + 1 : slash);
        });
    int descriptor = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return false;
    int result;
    do
        result = ::fsync(descriptor);
    while (result != 0 && errno == EINTR);
    ::close(descriptor);
    return result == 0;
}

bool PosixFileSystem::Exists(const char* name)
{
    struct stat status;
    return ::stat(name, &status) == 0;
}

std::string PosixFileSystem::Resolve(const char* name)
{
    return GuardAllocation(
        [&]
        {
            std::string path = name;
            // As many links as the system itself follows before it gives up.
            for (int hops = 0; hops < 40; ++hops)
            {
                std::string target(4096, '\0');
                ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
                if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
                    return path;
                target.resize(static_cast<std::size_t>(length));
                const std::size_t slash = path.rfind('/');
                if (target[0] != '/' && slash != std::string::npos)
                    target = path.substr(0, slash + 1) + target;
                path = target;
            }
            return path;
        });
}

FileSystem::ReadResult PosixFileSystem::ReadWholeFile(const char* name, std::string& bytes)
{
    // Not blocking on a pipe or a device that stands at the name.
    int descriptor = OpenRetrying(name, O_RDONLY | O_NONBLOCK);
    if (descriptor < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::CannotOpen;
    ReadResult result = ReadResult::Read;
    try
    {
        struct stat status;
        bytes.clear();
        const bool statted = ::fstat(descriptor, &status) == 0;
        if (!statted || !S_ISREG(status.st_mode))
        {
            const int error = !statted ? errno : S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
            ::close(descriptor);
            errno = error;
            return ReadResult::CannotOpen;
        }
        if (status.st_size > 0)
            bytes.reserve(static_cast<std::size_t>(status.st_size));
        // Reads to the end rather than trusting the size, which may change under us.
        char chunk[64 * 1024];
        for (;;)
        {
            ssize_t got = ::read(descriptor, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
            {
                result = ReadResult::Failed;
                break;
            }
            if (got == 0)
                break;
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }
    catch (const std::bad_alloc&)
    {
        ::close(descriptor);
        throw EOutOfMemory();
    }
    const int error = errno;
    ::close(descriptor);
    errno = error;
    return result;
}

FileSystem& FileSystem::Native()
{
    static PosixFileSystem native;
    return native;
}

} // namespace toolbox
