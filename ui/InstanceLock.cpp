#include "ui/InstanceLock.h"

#include "toolbox/Logger.h"
#include "ui/RequestListener.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace
{

// How long a later copy waits for a holder that has taken the lock but does not listen yet.
constexpr auto kHolderStartTime = std::chrono::seconds(10);

bool FillAddress(sockaddr_un& address, const std::string& path)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A folder of our own: made when missing, and refused when another user owns it or others
// may write into it.
bool IsPrivateFolder(const std::string& path)
{
    mkdir(path.c_str(), 0700);
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 0077) == 0;
}

std::string AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

// One socket name for each data folder, so that copies on other data folders listen apart.
std::string SocketName(const std::string& dataFolder)
{
    uint64_t hash = 14695981039346656037u;
    for (char c : dataFolder)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    char name[48];
    std::snprintf(name, sizeof name, "tallydene-%016llx.socket",
                  static_cast<unsigned long long>(hash));
    return name;
}

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Global().Log("InstanceLock", line, toolbox::Logger::kLevelWarn, "%s",
                                  text.c_str());
}

} // namespace

InstanceLock::InstanceLock(std::string dataFolder, std::function<void(Request)> onRequest)
    : dataFolder(std::move(dataFolder)), onRequest(std::move(onRequest))
{
}

InstanceLock::~InstanceLock()
{
    listener.reset();
    if (!socketPath.empty())
        unlink(socketPath.c_str());
    if (!madeFolder.empty())
        rmdir(madeFolder.c_str());
    if (lockFile >= 0)
        close(lockFile); // the lock goes with the descriptor
}

bool InstanceLock::OpenLockFile()
{
    const std::string path = dataFolder + "/tallydene.lock";
    lockFile = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFile >= 0)
        return true;
    const int error = errno;
    // A folder we may read but not write: the lock file of an earlier run, or the folder itself.
    lockFile = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (lockFile < 0)
        lockFile = open(dataFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lockFile < 0)
        problem = std::strerror(error);
    return lockFile >= 0;
}

InstanceLock::Outcome InstanceLock::Acquire()
{
    // Asked again after the user mended the folder: the earlier try's descriptor goes first.
    if (lockFile >= 0)
        close(lockFile);
    lockFile = -1;
    if (!OpenLockFile())
        return Outcome::Unlocked;
    if (flock(lockFile, LOCK_EX | LOCK_NB) != 0)
    {
        if (errno == EWOULDBLOCK)
            return Outcome::Taken; // the descriptor stays open: AskHolder reads the socket's path
        problem = std::strerror(errno);
        return Outcome::Unlocked;
    }
    Listen();
    return Outcome::Held;
}

// Without a socket the lock still holds; only the way to be shown is missing.
void InstanceLock::Listen()
{
    std::string folder = AbsoluteVariable("XDG_RUNTIME_DIR");
    if (folder.empty() || !IsPrivateFolder(folder))
    {
        const std::string temporary =
            AbsoluteVariable("TMPDIR").empty() ? std::string("/tmp") : AbsoluteVariable("TMPDIR");
        folder = temporary + "/tallydene-" + std::to_string(getuid());
        if (!IsPrivateFolder(folder))
        {
            Warn(__LINE__, folder + " is not a private folder; the socket goes elsewhere");
            std::string pattern = folder + "-XXXXXX";
            if (mkdtemp(pattern.data()) == nullptr)
                return;
            folder = madeFolder = pattern;
        }
    }
    const std::string path = folder + "/" + SocketName(dataFolder);
    sockaddr_un address;
    const int channel = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (channel < 0)
        return;
    // Holding the lock, any socket left by an earlier holder is stale.
    unlink(path.c_str());
    if (!FillAddress(address, path) ||
        bind(channel, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(channel, SOMAXCONN) != 0)
    {
        close(channel);
        return;
    }
    socketPath = path;
    const std::string line = path + "\n";
    if (ftruncate(lockFile, 0) != 0 ||
        pwrite(lockFile, line.data(), line.size(), 0) != static_cast<ssize_t>(line.size()))
        Warn(__LINE__, "The socket's place cannot be written into the lock file");
    listener = std::make_unique<RequestListener>(channel, onRequest);
}

bool InstanceLock::AskHolder(Request request) const
{
    const std::string line = RequestListener::LineOf(request);
    const auto end = std::chrono::steady_clock::now() + kHolderStartTime;
    while (true)
    {
        // Read afresh each time: a holder that has just started may not have written it yet.
        char place[sizeof(sockaddr_un::sun_path) + 1] = {};
        const ssize_t size = lockFile < 0 ? -1 : pread(lockFile, place, sizeof place - 1, 0);
        std::string path(place, size > 0 ? static_cast<std::size_t>(size) : 0);
        path = path.substr(0, path.find('\n'));
        sockaddr_un address;
        bool confirmed = false;
        if (FillAddress(address, path))
        {
            const int channel = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (channel < 0)
                return false;
            const timeval wait = {2, 0};
            setsockopt(channel, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
            const std::string answer = RequestListener::kAnswer;
            std::string got(answer.size(), '\0');
            confirmed =
                connect(channel, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                send(channel, line.data(), line.size(), MSG_NOSIGNAL) ==
                    static_cast<ssize_t>(line.size()) &&
                recv(channel, got.data(), got.size(), MSG_WAITALL) ==
                    static_cast<ssize_t>(got.size()) &&
                got == answer;
            close(channel);
        }
        if (confirmed || std::chrono::steady_clock::now() > end)
            return confirmed;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
