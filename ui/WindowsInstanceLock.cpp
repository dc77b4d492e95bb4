// One copy per user and data folder on Windows: a named mutex in the session's namespace is the
// lock (the system drops it with the process that holds it), and a named pipe carries a later
// copy's "show" or "pause" to the holder, which answers "Tallydene" to prove it is this
// program. The pipe's name holds the user's name, as pipes are seen by every session.
#include "ui/InstanceLock.h"

#include "toolbox/Logger.h"
#include "toolbox/WindowsText.h"

#include <wx/app.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <windows.h>

namespace
{

constexpr char kShowRequest[] = "show";
constexpr char kPauseRequest[] = "pause";
constexpr char kAnswer[] = "Tallydene\n";
// How long a later copy waits for a holder that has taken the lock but does not listen yet.
constexpr auto kHolderStartTime = std::chrono::seconds(10);
// How long the holder waits for a peer's line, and a later copy for the answer.
constexpr DWORD kPeerMilliseconds = 1000;
constexpr DWORD kAnswerMilliseconds = 2000;

// One name for each data folder, so that copies on other data folders run apart; the folder's
// case does not count, as it does not on Windows.
std::wstring NameOf(const wchar_t* kind, const std::string& dataFolder)
{
    std::wstring folder = toolbox::WideFromUtf8(dataFolder);
    ::CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    uint64_t hash = 14695981039346656037u;
    for (wchar_t c : folder)
        hash = (hash ^ static_cast<uint16_t>(c)) * 1099511628211u;
    wchar_t user[257] = L"";
    DWORD userSize = 257;
    if (!::GetUserNameW(user, &userSize))
        user[0] = L'\0';
    wchar_t name[400];
    std::swprintf(name, 400, L"%lsTallydene-%ls-%016llx", kind, user,
                  static_cast<unsigned long long>(hash));
    return name;
}

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Global().Log("InstanceLock", line, toolbox::Logger::kLevelWarn, "%s",
                                  text.c_str());
}

// Waits for an overlapped operation on handle, or for stop; false on stop, timeout or failure.
bool Finish(HANDLE handle, OVERLAPPED& overlapped, BOOL started, HANDLE stop, DWORD milliseconds,
            DWORD& transferred)
{
    if (!started && ::GetLastError() != ERROR_IO_PENDING)
        return ::GetLastError() == ERROR_PIPE_CONNECTED;
    const HANDLE waits[] = {overlapped.hEvent, stop};
    const DWORD woken =
        ::WaitForMultipleObjects(stop != nullptr ? 2 : 1, waits, FALSE, milliseconds);
    if (woken != WAIT_OBJECT_0)
    {
        ::CancelIo(handle);
        ::GetOverlappedResult(handle, &overlapped, &transferred, TRUE);
        return false;
    }
    return ::GetOverlappedResult(handle, &overlapped, &transferred, FALSE) != 0;
}

} // namespace

// The holder's side: the mutex it holds and the thread that answers the pipe.
class RequestListener
{
public:
    RequestListener(HANDLE mutex, std::wstring pipeName,
                    std::function<void(InstanceLock::Request)> onRequest)
        : mutex(mutex), pipeName(std::move(pipeName)),
          onRequest(std::make_shared<std::function<void(InstanceLock::Request)>>(
              std::move(onRequest))),
          stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        if (stop != nullptr)
            reader = std::thread([this] { Run(); });
    }

    ~RequestListener()
    {
        if (reader.joinable())
        {
            ::SetEvent(stop);
            reader.join();
        }
        if (stop != nullptr)
            ::CloseHandle(stop);
        ::ReleaseMutex(mutex);
        ::CloseHandle(mutex);
    }

    RequestListener(const RequestListener&) = delete;
    RequestListener& operator=(const RequestListener&) = delete;

private:
    void Run()
    {
        OVERLAPPED overlapped{};
        overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        bool first = true;
        while (overlapped.hEvent != nullptr && ::WaitForSingleObject(stop, 0) == WAIT_TIMEOUT)
        {
            HANDLE pipe = ::CreateNamedPipeW(
                pipeName.c_str(),
                PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED |
                    (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
                PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                64, 64, 0, nullptr);
            if (pipe == INVALID_HANDLE_VALUE)
            {
                Warn(__LINE__, "The pipe for a later copy's requests cannot be made");
                break;
            }
            first = false;
            DWORD transferred = 0;
            ::ResetEvent(overlapped.hEvent);
            if (Finish(pipe, overlapped, ::ConnectNamedPipe(pipe, &overlapped), stop, INFINITE,
                       transferred))
                Serve(pipe, overlapped);
            ::DisconnectNamedPipe(pipe);
            ::CloseHandle(pipe);
        }
        if (overlapped.hEvent != nullptr)
            ::CloseHandle(overlapped.hEvent);
    }

    // Reads one line in kPeerMilliseconds, answers a known request and hands it to the GUI.
    void Serve(HANDLE pipe, OVERLAPPED& overlapped)
    {
        std::string line;
        char buffer[16];
        while (line.size() < sizeof buffer && line.find('\n') == std::string::npos)
        {
            DWORD got = 0;
            ::ResetEvent(overlapped.hEvent);
            if (!Finish(pipe, overlapped, ::ReadFile(pipe, buffer, sizeof buffer, &got, &overlapped),
                        stop, kPeerMilliseconds, got) ||
                got == 0)
                return;
            line.append(buffer, got);
        }
        line = line.substr(0, line.find('\n'));
        InstanceLock::Request request;
        if (line == kShowRequest)
            request = InstanceLock::Request::Show;
        else if (line == kPauseRequest)
            request = InstanceLock::Request::Pause;
        else
            return;
        DWORD written = 0;
        ::ResetEvent(overlapped.hEvent);
        Finish(pipe, overlapped,
               ::WriteFile(pipe, kAnswer, sizeof kAnswer - 1, &written, &overlapped), stop,
               kPeerMilliseconds, written);
        ::FlushFileBuffers(pipe);
        if (wxTheApp != nullptr)
            wxTheApp->CallAfter([weak = std::weak_ptr(onRequest), request]
                                {
                                    if (auto handler = weak.lock())
                                        (*handler)(request);
                                });
    }

    HANDLE mutex;
    std::wstring pipeName;
    // Requests posted to the GUI thread find it gone once the listener is.
    std::shared_ptr<std::function<void(InstanceLock::Request)>> onRequest;
    HANDLE stop;
    std::thread reader;
};

InstanceLock::InstanceLock(std::string dataFolder, std::function<void(Request)> onRequest)
    : dataFolder(std::move(dataFolder)), onRequest(std::move(onRequest))
{
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::OpenLockFile()
{
    return true;
}

InstanceLock::Outcome InstanceLock::Acquire()
{
    listener.reset();
    const std::wstring mutexName = NameOf(L"Local\\", dataFolder);
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (mutex == nullptr)
    {
        problem = "the system refuses the lock's mutex (error " +
                  std::to_string(::GetLastError()) + ")";
        return Outcome::Unlocked;
    }
    // A copy that ended without letting go left the mutex abandoned: it is ours then.
    const DWORD taken = ::WaitForSingleObject(mutex, 0);
    if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED)
    {
        ::CloseHandle(mutex);
        return Outcome::Taken;
    }
    socketPath = toolbox::Utf8FromWide(NameOf(L"\\\\.\\pipe\\", dataFolder));
    listener = std::make_unique<RequestListener>(mutex, toolbox::WideFromUtf8(socketPath),
                                                 onRequest);
    return Outcome::Held;
}

void InstanceLock::Listen() {}

bool InstanceLock::AskHolder(Request request) const
{
    const std::wstring pipeName = NameOf(L"\\\\.\\pipe\\", dataFolder);
    const std::string line =
        std::string(request == Request::Pause ? kPauseRequest : kShowRequest) + "\n";
    const auto end = std::chrono::steady_clock::now() + kHolderStartTime;
    while (true)
    {
        bool confirmed = false;
        HANDLE pipe = ::CreateFileW(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_PIPE_BUSY)
            ::WaitNamedPipeW(pipeName.c_str(), kAnswerMilliseconds);
        else if (pipe != INVALID_HANDLE_VALUE)
        {
            OVERLAPPED overlapped{};
            overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
            DWORD transferred = 0;
            const std::string answer = kAnswer;
            std::string got;
            if (overlapped.hEvent != nullptr &&
                Finish(pipe, overlapped,
                       ::WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()),
                                   &transferred, &overlapped),
                       nullptr, kAnswerMilliseconds, transferred))
            {
                char buffer[16];
                while (got.size() < answer.size())
                {
                    ::ResetEvent(overlapped.hEvent);
                    DWORD read = 0;
                    if (!Finish(pipe, overlapped,
                                ::ReadFile(pipe, buffer, sizeof buffer, &read, &overlapped),
                                nullptr, kAnswerMilliseconds, read) ||
                        read == 0)
                        break;
                    got.append(buffer, read);
                }
            }
            confirmed = got == answer;
            if (overlapped.hEvent != nullptr)
                ::CloseHandle(overlapped.hEvent);
            ::CloseHandle(pipe);
        }
        if (confirmed || std::chrono::steady_clock::now() > end)
            return confirmed;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
