#include "app/calendar/CalendarPublisher.h"

#include "app/journal/JournalFile.h"
#include "toolbox/TextHash.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace
{

constexpr auto kLongestWait = std::chrono::minutes(5);

// What of an event the server should hold as we sent it, whatever stamp it was sent with.
std::string Fingerprint(const CalendarEvent& event)
{
    const std::string text = event.summary + '\x1f' + event.description + '\x1f' +
                             std::to_string(event.start) + '\x1f' + std::to_string(event.end) +
                             (event.wholeDay ? "d" : "t");
    return toolbox::TextHash(text);
}

bool Succeeded(long status)
{
    return status >= 200 && status < 300;
}

} // namespace

CalendarPublisher::CalendarPublisher(std::string journalPath, std::string statePath,
                                     std::unique_ptr<HttpClient> http, Report report,
                                     std::chrono::milliseconds retryFirst)
    : journalPath(std::move(journalPath)), statePath(std::move(statePath)), http(std::move(http)),
      report(std::move(report)), retryFirst(retryFirst)
{
    worker = std::jthread([this](std::stop_token stop) { Run(stop); });
}

CalendarPublisher::~CalendarPublisher()
{
    worker.request_stop();
    wake.notify_all();
}

void CalendarPublisher::Configure(Account changed)
{
    {
        std::lock_guard lock(mutex);
        account = std::move(changed);
        nudged = true;
    }
    wake.notify_all();
}

void CalendarPublisher::Nudge()
{
    {
        std::lock_guard lock(mutex);
        nudged = true;
    }
    wake.notify_all();
}

void CalendarPublisher::Run(std::stop_token stop)
{
    bool retrying = false;
    std::chrono::milliseconds delay = retryFirst;
    while (!stop.stop_requested())
    {
        {
            std::unique_lock lock(mutex);
            if (retrying)
                wake.wait_for(lock, stop, delay, [this] { return nudged; });
            else
                wake.wait(lock, stop, [this] { return nudged; });
            if (stop.stop_requested())
                return;
        }
        const Status status = PublishOnce();
        if (report)
            report(status);
        retrying = !status.problem.empty();
        delay =
            retrying ? std::min<std::chrono::milliseconds>(delay * 2, kLongestWait) : retryFirst;
    }
}

CalendarPublisher::Status CalendarPublisher::PublishOnce()
{
    std::lock_guard pass(passing);
    {
        std::lock_guard lock(mutex);
        using_ = account;
        nudged = false;
    }
    Status status;
    problem.clear();
    trouble = Status::Trouble::none;
    newlyLeft.clear();
    if (using_.address.empty())
        return status;
    if (heldFor != using_.address)
        LoadState();

    const int64_t now = std::time(nullptr);
    std::map<std::string, CalendarEvent> wanted;
    for (CalendarEvent& event :
         CalendarEvents::Of(SessionsOf(JournalFile(journalPath).ReadPlausible(now)), false))
        wanted.emplace(event.uid, std::move(event));
    std::vector<std::pair<const CalendarEvent*, std::string>> puts;
    for (const auto& [uid, event] : wanted)
    {
        const auto known = held.find(uid);
        std::string fingerprint = Fingerprint(event);
        if (known == held.end() ||
            (!known->second.left && known->second.fingerprint != fingerprint))
            puts.emplace_back(&event, std::move(fingerprint));
    }
    std::vector<std::string> deletes;
    for (const auto& [uid, known] : held)
        if (!known.left && wanted.find(uid) == wanted.end())
            deletes.push_back(uid);

    status.waiting = puts.size() + deletes.size();
    for (const auto& [event, fingerprint] : puts)
    {
        if (!problem.empty() || Put(*event, fingerprint, now) == Outcome::stop)
            break;
        --status.waiting;
    }
    for (const std::string& uid : deletes)
    {
        if (!problem.empty() || Delete(uid) == Outcome::stop)
            break;
        --status.waiting;
    }
    status.left = static_cast<size_t>(
        std::count_if(held.begin(), held.end(), [](const auto& each) { return each.second.left; }));
    status.problem = problem;
    status.trouble = trouble;
    status.newProblem = !problem.empty() && problem != lastProblem;
    lastProblem = problem;
    status.newlyLeft = newlyLeft;
    return status;
}

std::string CalendarPublisher::Url(const std::string& uid) const
{
    std::string url = using_.address;
    if (url.empty() || url.back() != '/')
        url += '/';
    return url + uid + ".ics";
}

HttpResponse CalendarPublisher::Send(HttpRequest request)
{
    request.user = using_.user;
    request.password = using_.password;
    return http->Send(request);
}

CalendarPublisher::Outcome CalendarPublisher::Put(const CalendarEvent& event,
                                                  const std::string& fingerprint, int64_t now)
{
    HttpRequest request{"PUT", Url(event.uid)};
    request.body = CalendarEvents::Text({event}, now);
    request.contentType = "text/calendar; charset=utf-8";
    const auto known = held.find(event.uid);
    if (known != held.end())
        request.ifMatch = known->second.etag;
    else
        request.ifNoneMatch = "*";
    const HttpResponse response = Send(request);
    if (Succeeded(response.status))
    {
        held[event.uid] = {response.etag, fingerprint, false};
        // A server that gives no version: ask for it, or the next change could not name it.
        if (response.etag.empty())
            ServerHolds(event.uid, fingerprint);
        SaveState();
        return Outcome::sent;
    }
    const bool changedThere = response.status == 412 || response.status == 409 ||
                              (known != held.end() && response.status == 404);
    if (!changedThere)
        return Refused(response, event.uid);
    if (ServerHolds(event.uid, fingerprint))
    {
        SaveState();
        return Outcome::sent;
    }
    if (!problem.empty())
        return Outcome::stop;
    Held& left = held[event.uid];
    left.fingerprint = fingerprint;
    left.left = true;
    newlyLeft.push_back(event.uid);
    SaveState();
    return Outcome::left;
}

CalendarPublisher::Outcome CalendarPublisher::Delete(const std::string& uid)
{
    HttpRequest request{"DELETE", Url(uid)};
    request.ifMatch = held[uid].etag;
    const HttpResponse response = Send(request);
    if (Succeeded(response.status) || response.status == 404)
    {
        held.erase(uid);
        SaveState();
        return Outcome::sent;
    }
    if (response.status != 412)
        return Refused(response, uid);
    held[uid].left = true;
    newlyLeft.push_back(uid);
    SaveState();
    return Outcome::left;
}

bool CalendarPublisher::ServerHolds(const std::string& uid, const std::string& fingerprint)
{
    const HttpResponse response = Send({"GET", Url(uid)});
    if (response.status == 404)
        return false;
    if (!Succeeded(response.status))
    {
        Refused(response, uid);
        return false;
    }
    const std::optional<std::vector<CalendarEvent>> events = CalendarEvents::Read(response.body);
    if (!events)
        return false;
    for (const CalendarEvent& event : *events)
        if (event.uid == uid && Fingerprint(event) == fingerprint)
        {
            held[uid] = {response.etag, fingerprint, false};
            return true;
        }
    return false;
}

CalendarPublisher::Outcome CalendarPublisher::Refused(const HttpResponse& response,
                                                      const std::string& uid)
{
    if (response.status == 0)
    {
        trouble = Status::Trouble::unreachable;
        problem = "The calendar server cannot be reached: " + response.error;
    }
    else if (response.status == 401 || response.status == 403)
    {
        trouble = Status::Trouble::password;
        problem = "The calendar server refused the user name or password.";
    }
    else
    {
        trouble = Status::Trouble::refused;
        problem = "The calendar server refused " + uid + " with the answer " +
                  std::to_string(response.status) + ".";
    }
    return Outcome::stop;
}

void CalendarPublisher::LoadState()
{
    held.clear();
    heldFor = using_.address;
    std::ifstream in(statePath, std::ios::binary);
    std::string line;
    // What the file holds is for one calendar: another address starts from nothing.
    if (!std::getline(in, line) || line != using_.address)
        return;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        std::string uid;
        Held known;
        std::string left;
        if (std::getline(fields, uid, '\t') && std::getline(fields, known.etag, '\t') &&
            std::getline(fields, known.fingerprint, '\t') && std::getline(fields, left))
        {
            known.left = left == "left";
            held[uid] = known;
        }
    }
}

bool CalendarPublisher::SaveState() const
{
    const std::string temporary = statePath + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << heldFor << '\n';
        for (const auto& [uid, known] : held)
            out << uid << '\t' << known.etag << '\t' << known.fingerprint << '\t'
                << (known.left ? "left" : "held") << '\n';
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), statePath.c_str()) == 0;
}
