#pragma once

#include <functional>
#include <memory>
#include <string>

class RequestListener;

// The rule of one running copy per data folder. The first copy holds an exclusive lock on
// "tallydene.lock" in the data folder, whatever its environment says, and writes into that
// file where its socket is; a later copy finds the lock held and asks the holder, through the
// socket, to show its window or to pause. The system drops the lock with the process that
// holds it, so a crash or a reused process id never locks the user out.
//
// The socket lives in a folder that only the user can enter: $XDG_RUNTIME_DIR, else
// <temporary folder>/tallydene-<uid>, else (when another user took that name, or others may
// write into it) a new private folder beside it.
class InstanceLock
{
public:
    // What a later copy can ask of the holder.
    enum class Request
    {
        Show,
        Pause,
    };

    enum class Outcome
    {
        Held,     // this process holds the lock
        Taken,    // another copy holds it
        Unlocked, // the data folder cannot be locked (Problem says why): no copy may run on it
    };

    // onRequest runs on the GUI thread in the holder whenever a later copy asks something.
    InstanceLock(std::string dataFolder, std::function<void(Request)> onRequest);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome Acquire();
    // Why the data folder could not be locked.
    const std::string& Problem() const { return problem; }
    // Asks the copy that holds the lock to show its window or to pause; true once it has
    // confirmed.
    bool AskHolder(Request request) const;

    // Where the holder listens; empty when it does not.
    const std::string& SocketPath() const { return socketPath; }

private:
    bool OpenLockFile();
    void Listen();

    std::string dataFolder;
    std::function<void(Request)> onRequest;
    std::string problem;
    int lockFile = -1;
    std::string socketPath;
    // A folder made for the socket, removed at the end.
    std::string madeFolder;
    std::unique_ptr<RequestListener> listener;
};
