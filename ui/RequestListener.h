#pragma once

#include "ui/InstanceLock.h"

#include <wx/app.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

// The holder's side of the socket: a later copy sends one line, "show" or "pause", and gets
// kAnswer back, which proves that the socket belongs to this program. A thread of its own
// reads the connections as their bytes come, so a peer that connects and sends nothing holds
// up neither the window nor the next peer; each connection has kPeerTime in all.
class RequestListener
{
public:
    static constexpr char kAnswer[] = "Tallydene\n";
    static constexpr auto kPeerTime = std::chrono::milliseconds(1000);

    // Takes over the listening socket; onRequest runs on the GUI thread.
    RequestListener(int socket, std::function<void(InstanceLock::Request)> onRequest);
    ~RequestListener();
    RequestListener(const RequestListener&) = delete;
    RequestListener& operator=(const RequestListener&) = delete;

    // The line that asks for the request, with its end.
    static std::string LineOf(InstanceLock::Request request);

private:
    void Run();

    wxAppConsole& app;
    int socket;
    int wake[2] = {-1, -1};
    // Requests posted to the GUI thread find it gone once the listener is.
    std::shared_ptr<std::function<void(InstanceLock::Request)>> onRequest;
    std::thread reader;
};
