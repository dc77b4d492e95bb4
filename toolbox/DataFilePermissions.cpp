#include "toolbox/DataFilePermissions.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolbox
{

namespace
{

// What the data file grants, its owner's reading and writing always among it; none while there
// is no data file.
std::optional<mode_t> Granted(const std::string& dataFile)
{
    struct stat status;
    if (dataFile.empty() || ::stat(dataFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return (status.st_mode & 0666) | S_IRUSR | S_IWUSR;
}

} // namespace

int DataFilePermissions::Open(const std::string& path, int flags, const std::string& dataFile)
{
    const std::optional<mode_t> granted = Granted(dataFile);
    int descriptor;
    do
        descriptor = ::open(path.c_str(), flags, granted.value_or(0666));
    while (descriptor < 0 && errno == EINTR);
    if (descriptor >= 0)
        Narrow(descriptor, dataFile);
    return descriptor;
}

void DataFilePermissions::Narrow(int descriptor, const std::string& dataFile)
{
    const std::optional<mode_t> granted = Granted(dataFile);
    struct stat status;
    if (!granted || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid())
        return;
    const mode_t now = status.st_mode & 07777;
    const mode_t narrowed = (now & (*granted | S_IXUSR)) | S_IRUSR | S_IWUSR;
    // A file that cannot be narrowed still takes its line: losing it helps nobody.
    if (narrowed != now)
    {
        const int error = errno;
        [[maybe_unused]] const int changed = ::fchmod(descriptor, narrowed);
        errno = error;
    }
}

int DataFilePermissions::OpenForAppending(const std::string& path, const std::string& dataFile,
                                          bool exclusive)
{
    const int opened =
        Open(path, O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, dataFile);
    if (opened < 0)
        return -1;
    struct stat status;
    if (::fstat(opened, &status) != 0 || !S_ISREG(status.st_mode))
    {
        ::close(opened);
        return -1;
    }
    // The lock is only advisory on POSIX: it binds programs that ask for it, as a second
    // Tallydene does.
    if (exclusive && ::flock(opened, LOCK_EX | LOCK_NB) != 0)
    {
        ::close(opened);
        return -1;
    }
    return opened;
}

} // namespace toolbox
