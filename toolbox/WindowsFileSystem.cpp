#include "toolbox/WindowsFileSystem.h"

#include "toolbox/Exception.h"
#include "toolbox/WindowsText.h"

#include <cerrno>
#include <new>
#include <windows.h>

namespace toolbox
{

namespace
{

// Sets errno from the system's last error and gives false, as every failed operation does.
bool Failed()
{
    errno = ErrnoFromLastError();
    return false;
}

// As Failed, for a file that could not be opened: a folder in its place is told as such (the
// system says only that access was denied), as on Linux.
bool FailedToOpen(const std::wstring& name)
{
    const int error = ErrnoFromLastError();
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    errno = folder ? EISDIR : error;
    return false;
}

bool WriteAll(HANDLE handle, const char* data, std::size_t size)
{
    while (size > 0)
    {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(handle, data, chunk, &written, nullptr))
            return Failed();
        data += written;
        size -= written;
    }
    return true;
}

// Buffers small writes, as a save writes a tag or a byte at a time.
class WindowsFile : public FileSystem::File
{
public:
    explicit WindowsFile(HANDLE handle) : handle(handle) {}
    ~WindowsFile() override
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }

    bool Write(const char* data, std::size_t size) override
    {
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        if (buffer.size() + size > capacity && !Flush())
            return false;
        if (size >= capacity)
            return WriteAll(handle, data, size);
        buffer.append(data, size);
        return true;
    }

    bool Flush() override
    {
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        const bool written = WriteAll(handle, buffer.data(), buffer.size());
        buffer.clear();
        return written;
    }

    bool Sync() override
    {
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        return ::FlushFileBuffers(handle) || Failed();
    }

    bool Close() override
    {
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        const bool flushed = Flush();
        const bool closed = ::CloseHandle(handle) || Failed();
        handle = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

private:
    static constexpr std::size_t capacity = 64 * 1024;
    HANDLE handle;
    std::string buffer;
};

} // namespace

// A new file takes the permissions of its folder: the user's local application data is closed
// to other users, so permissionsOf has nothing to add.
std::unique_ptr<FileSystem::File> WindowsFileSystem::OpenForWrite(const char* name,
                                                                  const char*)
{
    const std::wstring wide = WideFromUtf8(name);
    HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        FailedToOpen(wide);
        return nullptr;
    }
    try
    {
        return std::make_unique<WindowsFile>(handle);
    }
    catch (const std::bad_alloc&)
    {
        ::CloseHandle(handle);
        throw EOutOfMemory();
    }
}

bool WindowsFileSystem::Append(const char* name, const std::string& bytes, const char*)
{
    const std::wstring wide = WideFromUtf8(name);
    HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FailedToOpen(wide);
    if (::GetFileType(handle) != FILE_TYPE_DISK)
    {
        ::CloseHandle(handle);
        errno = EINVAL;
        return false;
    }
    LARGE_INTEGER before{};
    const LARGE_INTEGER none{};
    const bool measured = ::SetFilePointerEx(handle, none, &before, FILE_END) || Failed();
    bool appended = measured && WriteAll(handle, bytes.data(), bytes.size()) &&
                    (::FlushFileBuffers(handle) || Failed());
    const int error = errno;
    // A full disk may take part of the bytes before it refuses the rest.
    if (!appended && measured && ::SetFilePointerEx(handle, before, nullptr, FILE_BEGIN))
        ::SetEndOfFile(handle);
    ::CloseHandle(handle);
    errno = error;
    return appended;
}

bool WindowsFileSystem::Rename(const char* from, const char* to)
{
    return ::MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
           Failed();
}

bool WindowsFileSystem::RenameAside(const char* from, const char* to)
{
    return ::MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                         MOVEFILE_WRITE_THROUGH) ||
           Failed();
}

bool WindowsFileSystem::Link(const char* from, const char* to)
{
    // A hard link never replaces a name, so the second name is made aside and moved over the
    // target, which replaces it in one step.
    const std::wstring aside = GuardAllocation([&] { return WideFromUtf8(to) + L".link"; });
    ::DeleteFileW(aside.c_str());
    if (!::CreateHardLinkW(aside.c_str(), WideFromUtf8(from).c_str(), nullptr))
        return Failed();
    if (::MoveFileExW(aside.c_str(), WideFromUtf8(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const int error = ErrnoFromLastError();
    ::DeleteFileW(aside.c_str());
    errno = error;
    return false;
}

// MOVEFILE_WRITE_THROUGH has made every rename durable already, and a new file's name is
// written with its content by FlushFileBuffers; a folder has no buffers of its own to flush.
bool WindowsFileSystem::SyncFolder(const char*)
{
    return true;
}

bool WindowsFileSystem::Exists(const char* name)
{
    return ::GetFileAttributesW(WideFromUtf8(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileSystem::ReadResult WindowsFileSystem::ReadWholeFile(const char* name, std::string& bytes)
{
    bytes.clear();
    const std::wstring wide = WideFromUtf8(name);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    {
        errno = EISDIR;
        return ReadResult::CannotOpen;
    }
    HANDLE handle =
        ::CreateFileW(wide.c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        Failed();
        return errno == ENOENT ? ReadResult::Missing : ReadResult::CannotOpen;
    }
    // Not blocking on a pipe or a device that stands at the name.
    if (::GetFileType(handle) != FILE_TYPE_DISK)
    {
        ::CloseHandle(handle);
        errno = EINVAL;
        return ReadResult::CannotOpen;
    }
    ReadResult result = ReadResult::Read;
    try
    {
        LARGE_INTEGER size{};
        if (::GetFileSizeEx(handle, &size) && size.QuadPart > 0)
            bytes.reserve(static_cast<std::size_t>(size.QuadPart));
        // Reads to the end rather than trusting the size, which may change under us.
        char chunk[64 * 1024];
        for (;;)
        {
            DWORD got = 0;
            if (!::ReadFile(handle, chunk, sizeof chunk, &got, nullptr))
            {
                Failed();
                result = ReadResult::Failed;
                break;
            }
            if (got == 0)
                break;
            bytes.append(chunk, got);
        }
    }
    catch (const std::bad_alloc&)
    {
        ::CloseHandle(handle);
        throw EOutOfMemory();
    }
    const int error = errno;
    ::CloseHandle(handle);
    errno = error;
    return result;
}

FileSystem& FileSystem::Native()
{
    static WindowsFileSystem native;
    return native;
}

} // namespace toolbox
