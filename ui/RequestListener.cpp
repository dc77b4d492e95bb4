#include "ui/RequestListener.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr char kShowRequest[] = "show";
constexpr char kPauseRequest[] = "pause";
constexpr std::size_t kLongestRequest = sizeof kPauseRequest;
// Peers read at once; more wait in the socket's backlog.
constexpr std::size_t kMostPeers = 64;

using Clock = std::chrono::steady_clock;

struct Peer
{
    int channel;
    std::string line;
    Clock::time_point deadline;
};

std::optional<InstanceLock::Request> RequestOf(const std::string& line)
{
    if (line == kShowRequest)
        return InstanceLock::Request::Show;
    if (line == kPauseRequest)
        return InstanceLock::Request::Pause;
    return std::nullopt;
}

} // namespace

RequestListener::RequestListener(int socket, std::function<void(InstanceLock::Request)> onRequest)
    : app(*wxTheApp), socket(socket),
      onRequest(std::make_shared<std::function<void(InstanceLock::Request)>>(std::move(onRequest)))
{
    if (pipe2(wake, O_CLOEXEC) == 0)
        reader = std::thread([this] { Run(); });
}

RequestListener::~RequestListener()
{
    if (reader.joinable())
    {
        const char end = 0;
        (void)!write(wake[1], &end, 1);
        reader.join();
    }
    for (int end : wake)
        if (end >= 0)
            close(end);
    close(socket);
}

std::string RequestListener::LineOf(InstanceLock::Request request)
{
    return std::string(request == InstanceLock::Request::Pause ? kPauseRequest : kShowRequest) +
           "\n";
}

void RequestListener::Run()
{
    std::vector<Peer> peers;
    std::vector<pollfd> watched;
    while (true)
    {
        watched.assign({{wake[0], POLLIN, 0},
                        {socket, static_cast<short>(peers.size() < kMostPeers ? POLLIN : 0), 0}});
        Clock::time_point first = Clock::time_point::max();
        for (const Peer& peer : peers)
        {
            watched.push_back({peer.channel, POLLIN, 0});
            first = std::min(first, peer.deadline);
        }
        const int wait =
            peers.empty()
                ? -1
                : static_cast<int>(std::max<int64_t>(
                      0, std::chrono::duration_cast<std::chrono::milliseconds>(first - Clock::now())
                                 .count() +
                             1));
        if (poll(watched.data(), watched.size(), wait) < 0 && errno != EINTR)
            break;
        if (watched[0].revents != 0)
            break;
        const Clock::time_point now = Clock::now();
        // Each peer's bytes as far as they have come; a peer done or out of time goes.
        for (std::size_t i = 0; i < peers.size();)
        {
            Peer& peer = peers[i];
            bool done = now >= peer.deadline;
            if (watched[i + 2].revents != 0)
            {
                char buffer[16];
                const ssize_t got = recv(peer.channel, buffer, sizeof buffer, MSG_DONTWAIT);
                if (got <= 0 && !(got < 0 && (errno == EAGAIN || errno == EINTR)))
                    done = true;
                for (ssize_t b = 0; b < got && !done; ++b)
                {
                    if (buffer[b] != '\n')
                    {
                        peer.line += buffer[b];
                        done = peer.line.size() >= kLongestRequest;
                        continue;
                    }
                    done = true;
                    if (const std::optional<InstanceLock::Request> request = RequestOf(peer.line))
                    {
                        send(peer.channel, kAnswer, sizeof kAnswer - 1,
                             MSG_NOSIGNAL | MSG_DONTWAIT);
                        app.CallAfter(
                            [weak = std::weak_ptr(onRequest), request = *request]
                            {
                                if (const auto answer = weak.lock())
                                    (*answer)(request);
                            });
                    }
                }
            }
            if (done)
            {
                close(peer.channel);
                // watched[i + 2] belongs to the peer now last, which moves here.
                watched[i + 2] = watched[peers.size() + 1];
                peer = peers.back();
                peers.pop_back();
            }
            else
            {
                ++i;
            }
        }
        if ((watched[1].revents & POLLIN) != 0)
        {
            while (peers.size() < kMostPeers)
            {
                const int channel = accept4(socket, nullptr, nullptr, SOCK_CLOEXEC);
                if (channel < 0)
                    break;
                peers.push_back({channel, {}, now + kPeerTime});
            }
        }
    }
    for (const Peer& peer : peers)
        close(peer.channel);
}
