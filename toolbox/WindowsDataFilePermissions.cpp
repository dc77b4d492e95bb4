// On Windows a file takes the access rules of its folder, and the user's local application
// data is closed to other users: the logs and the journal beside the data file are as closed
// as it is without anything done here. What is left is opening them with UTF-16 names, and
// the sharing rules that keep a second Tallydene out of a log in use.
#include "toolbox/DataFilePermissions.h"

#include "toolbox/WindowsText.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace toolbox
{

int DataFilePermissions::Open(const std::string& path, int flags, const std::string&)
{
    // Always binary: the files' own line ends are CR LF already.
    return ::_wopen(WideFromUtf8(path).c_str(), flags | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

void DataFilePermissions::Narrow(int, const std::string&) {}

int DataFilePermissions::OpenForAppending(const std::string& path, const std::string&,
                                          bool exclusive)
{
    // Exclusive: others may read the log, but not write into it while it is held.
    const DWORD sharing = exclusive ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE handle = ::CreateFileW(WideFromUtf8(path).c_str(), FILE_APPEND_DATA, sharing, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        errno = ErrnoFromLastError();
        return -1;
    }
    if (::GetFileType(handle) != FILE_TYPE_DISK)
    {
        ::CloseHandle(handle);
        errno = EINVAL;
        return -1;
    }
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                             _O_APPEND | _O_BINARY | _O_WRONLY);
    if (descriptor < 0)
        ::CloseHandle(handle);
    return descriptor;
}

} // namespace toolbox
