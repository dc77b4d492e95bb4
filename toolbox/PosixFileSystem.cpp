#include "toolbox/PosixFileSystem.h"

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

std::unique_ptr<FileSystem::File> PosixFileSystem::OpenForWrite(const char* name)
{
    int descriptor = OpenRetrying(name, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (descriptor < 0)
        return nullptr;
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

bool PosixFileSystem::Rename(const char* from, const char* to)
{
    return std::rename(from, to) == 0;
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

FileSystem::ReadResult PosixFileSystem::ReadWholeFile(const char* name, std::string& bytes)
{
    int descriptor = OpenRetrying(name, O_RDONLY);
    if (descriptor < 0)
        return ReadResult::CannotOpen;
    ReadResult result = ReadResult::Read;
    try
    {
        struct stat status;
        bytes.clear();
        if (::fstat(descriptor, &status) == 0 && status.st_size > 0)
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
    ::close(descriptor);
    return result;
}

FileSystem& FileSystem::Native()
{
    static PosixFileSystem native;
    return native;
}

} // namespace toolbox
