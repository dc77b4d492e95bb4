#pragma once

#include "app/calendar/CalendarEvents.h"
#include "app/calendar/HttpClient.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Puts the journal's ended sessions into a CalDAV calendar (RFC 4791) on a thread of its own,
// so the window never waits for the network. Each pass reads the journal, and sends what
// differs from what the server was last given: a new event with "If-None-Match: *", a change
// or a deletion with "If-Match" on the version the server gave. What the server holds is kept
// in a file of the data folder, after each answer, so whatever could not be sent (offline,
// the server down, a refused password) is still to send after a restart, and is retried.
// An event that someone else changed or deleted on the server is left as it is there, and
// reported. Only events whose UID Tallydene made are ever touched.
class CalendarPublisher
{
public:
    struct Account
    {
        // The calendar collection's address; empty publishes nothing.
        std::string address;
        std::string user;
        std::string password;
    };

    struct Status
    {
        // Changes still to send.
        size_t waiting = 0;
        // Events left as someone else changed them on the server.
        size_t left = 0;
        // Why the last pass stopped; empty when it sent everything.
        enum class Trouble
        {
            none,
            unreachable,
            password,
            refused
        } trouble = Trouble::none;
        // The details, in the words of the network library or with the server's answer.
        std::string problem{};
        // The problem differs from the one reported before: worth telling the user.
        bool newProblem = false;
        // The UIDs left in this pass, each reported once.
        std::vector<std::string> newlyLeft{};
    };
    using Report = std::function<void(const Status&)>;

    // state: the file that keeps what the server holds. report is called on the publisher's
    // thread after each pass; the program hands it on to the window's thread.
    CalendarPublisher(std::string journalPath, std::string statePath,
                      std::unique_ptr<HttpClient> http, Report report,
                      std::chrono::milliseconds retryFirst = std::chrono::seconds(5));
    ~CalendarPublisher();
    CalendarPublisher(const CalendarPublisher&) = delete;
    CalendarPublisher& operator=(const CalendarPublisher&) = delete;

    void Configure(Account account);
    // The journal changed: a pass soon.
    void Nudge();

    // One pass on the caller's thread, for the thread and for tests without one.
    Status PublishOnce();

private:
    struct Held
    {
        std::string etag;
        std::string fingerprint;
        // Changed or deleted on the server by someone else: not touched again.
        bool left = false;
    };
    enum class Outcome
    {
        sent,
        left,
        stop
    };

    void Run(std::stop_token stop);
    void LoadState();
    bool SaveState() const;
    std::string Url(const std::string& uid) const;
    HttpResponse Send(HttpRequest request);
    Outcome Put(const CalendarEvent& event, const std::string& fingerprint, int64_t now);
    Outcome Delete(const std::string& uid);
    // After a refused condition: whether the server already holds what we meant to send
    // (an answer that was lost), which then counts as sent.
    bool ServerHolds(const std::string& uid, const std::string& fingerprint);
    Outcome Refused(const HttpResponse& response, const std::string& uid);

    const std::string journalPath;
    const std::string statePath;
    std::unique_ptr<HttpClient> http;
    Report report;
    const std::chrono::milliseconds retryFirst;

    // One pass at a time.
    std::mutex passing;
    // Shared with the thread.
    std::mutex mutex;
    std::condition_variable_any wake;
    Account account;
    bool nudged = false;

    // The thread's own (PublishOnce's, in tests without a thread).
    Account using_;
    std::map<std::string, Held> held;
    std::string heldFor;
    std::string problem;
    Status::Trouble trouble = Status::Trouble::none;
    std::string lastProblem;
    std::vector<std::string> newlyLeft;

    std::jthread worker;
};
