#include "ui/InstanceLock.h"

#include "toolbox/Logger.h"

#include <wx/evtloop.h>
#include <wx/evtloopsrc.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace
{

// What a later copy sends, one line, and what the holder answers: the answer proves that the
// socket belongs to this program and not to whatever else took its name.
constexpr char kShowRequest[] = "show";
constexpr char kPauseRequest[] = "pause";
constexpr std::size_t kLongestRequest = sizeof kPauseRequest;
constexpr char kHolderAnswer[] = "Tallydene\n";
// How long a later copy waits for a holder that has taken the lock but does not listen yet.
constexpr auto kHolderStartTime = std::chrono::seconds(10);

bool FillAddress(sockaddr_un& address, const std::string& path)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
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

// One line from the peer without its end; empty when no whole line comes in time.
std::string ReadLine(int channel)
{
    std::string line;
    char c = 0;
    while (line.size() < kLongestRequest && recv(channel, &c, 1, 0) == 1)
    {
        if (c == '\n')
            return line;
        line += c;
    }
    return {};
}

class ConnectionHandler : public wxEventLoopSourceHandler
{
public:
    explicit ConnectionHandler(std::function<void()> onReady) : onReady(std::move(onReady)) {}
    void OnReadWaiting() override { onReady(); }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

private:
    std::function<void()> onReady;
};

} // namespace

InstanceLock::InstanceLock(std::function<void(Request)> onRequest)
    : onRequest(std::move(onRequest)), folder(RuntimeFolder())
{
}

InstanceLock::~InstanceLock()
{
    source.reset();
    if (listener >= 0)
    {
        unlink((folder + "/tallydene.socket").c_str());
        close(listener);
    }
    if (lockFile >= 0)
        close(lockFile); // the lock goes with the descriptor
}

std::string InstanceLock::RuntimeFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    return "/tmp/tallydene-" + std::to_string(getuid());
}

bool InstanceLock::Acquire()
{
    if (!IsPrivateFolder(folder))
    {
        toolbox::Logger::Global().Log("InstanceLock::Acquire", __LINE__, toolbox::Logger::kLevelWarn,
                                      "No single-instance lock: %s is not a private folder",
                                      folder.c_str());
        return true;
    }
    lockFile = open((folder + "/tallydene.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFile < 0)
        return true;
    if (flock(lockFile, LOCK_EX | LOCK_NB) != 0)
    {
        close(lockFile);
        lockFile = -1;
        return errno != EWOULDBLOCK;
    }

    // Holding the lock, any socket left by an earlier holder is stale.
    const std::string path = folder + "/tallydene.socket";
    sockaddr_un address;
    if (!FillAddress(address, path))
        return true;
    unlink(path.c_str());
    listener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0 ||
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4) != 0)
        return true; // the lock holds; only the way to be shown is missing
    handler = std::make_unique<ConnectionHandler>([this] { OnConnection(); });
    source.reset(wxEventLoopBase::AddSourceForFD(listener, handler.get(), wxEVENT_SOURCE_INPUT));
    return true;
}

bool InstanceLock::AskHolder(Request request) const
{
    const std::string line =
        std::string(request == Request::Pause ? kPauseRequest : kShowRequest) + "\n";
    sockaddr_un address;
    if (!FillAddress(address, folder + "/tallydene.socket"))
        return false;
    const auto end = std::chrono::steady_clock::now() + kHolderStartTime;
    while (true)
    {
        const int channel = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (channel < 0)
            return false;
        const timeval wait = {2, 0};
        setsockopt(channel, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char answer[sizeof kHolderAnswer] = {};
        const bool confirmed =
            connect(channel, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            send(channel, line.data(), line.size(), MSG_NOSIGNAL) ==
                static_cast<ssize_t>(line.size()) &&
            recv(channel, answer, sizeof answer - 1, MSG_WAITALL) == sizeof answer - 1 &&
            std::strcmp(answer, kHolderAnswer) == 0;
        close(channel);
        if (confirmed || std::chrono::steady_clock::now() > end)
            return confirmed;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void InstanceLock::OnConnection()
{
    const int channel = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (channel < 0)
        return;
    // A peer that never writes must not hold up the window.
    const timeval wait = {1, 0};
    setsockopt(channel, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    const std::string line = ReadLine(channel);
    std::optional<Request> request;
    if (line == kShowRequest)
        request = Request::Show;
    else if (line == kPauseRequest)
        request = Request::Pause;
    if (request)
        send(channel, kHolderAnswer, sizeof kHolderAnswer - 1, MSG_NOSIGNAL);
    close(channel);
    if (request)
        onRequest(*request);
}
