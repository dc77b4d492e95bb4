#pragma once

#include <functional>
#include <memory>
#include <string>

class wxEventLoopSource;
class wxEventLoopSourceHandler;

// The rule of one running copy per user. The first copy holds an exclusive lock on a file in
// the user's runtime folder and listens on a socket beside it; a later copy finds the lock
// held and asks the holder, through the socket, to show its window or to pause. The system
// drops the lock with the process that holds it, so a crash or a reused process id never
// locks the user out, and the runtime folder does not depend on the data folder being writable.
class InstanceLock
{
public:
    // What a later copy can ask of the holder.
    enum class Request
    {
        Show,
        Pause,
    };

    // onRequest runs in the holder whenever a later copy asks something of it.
    explicit InstanceLock(std::function<void(Request)> onRequest);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // true when this process now holds the lock, or when no lock can be made at all (a copy
    // that cannot tell is better running than locked out); false when another copy holds it.
    bool Acquire();
    // Asks the copy that holds the lock to show its window or to pause; true once it has
    // confirmed.
    bool AskHolder(Request request) const;

    // $XDG_RUNTIME_DIR, or a private folder of the user's in /tmp where that is unset.
    static std::string RuntimeFolder();

private:
    void OnConnection();

    std::function<void(Request)> onRequest;
    std::string folder;
    int lockFile = -1;
    int listener = -1;
    // The source does not own its handler.
    std::unique_ptr<wxEventLoopSourceHandler> handler;
    std::unique_ptr<wxEventLoopSource> source;
};
