#include "app/calendar/CalendarEvents.h"
#include "app/calendar/CalendarPublisher.h"
#include "app/calendar/CurlHttp.h"
#include "app/forms/HistoryForm.h"
#include "app/journal/JournalFile.h"
#include "res/CommandIds.h"
#include "tests/app/LocalZone.h"
#include "tests/app/ViewScenario.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <thread>

extern char** environ;

using namespace res;
using namespace std::chrono_literals;

namespace
{

int FreePort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

// Debian's radicale on the loopback address, with its own storage and user file.
class Radicale
{
public:
    explicit Radicale(const std::filesystem::path& folder) : folder(folder), port(FreePort())
    {
        std::ofstream(folder / "users") << "anna:secret\n";
        Start();
    }
    ~Radicale() { Stop(); }

    void Start()
    {
        const std::string hosts = "127.0.0.1:" + std::to_string(port);
        const std::string storage = (folder / "storage").string();
        const std::string users = (folder / "users").string();
        std::vector<std::string> arguments = {"radicale", "--config",
                                              "",         "--server-hosts",
                                              hosts,      "--storage-filesystem-folder",
                                              storage,    "--auth-type",
                                              "htpasswd", "--auth-htpasswd-filename",
                                              users,      "--auth-htpasswd-encryption",
                                              "plain",    "--logging-level",
                                              "critical"};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ASSERT_EQ(0, posix_spawnp(&pid, "radicale", nullptr, nullptr, argv.data(), environ));
        CurlHttp http;
        for (int tries = 0; tries < 200; ++tries)
        {
            if (http.Send({"GET", Root()}).status != 0)
                return;
            std::this_thread::sleep_for(50ms);
        }
        FAIL() << "radicale did not start";
    }
    void Stop()
    {
        if (pid <= 0)
            return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = 0;
    }
    std::string Root() const { return "http://127.0.0.1:" + std::to_string(port) + "/"; }
    std::string Calendar() const { return Root() + "anna/hours/"; }

private:
    std::filesystem::path folder;
    int port;
    pid_t pid = 0;
};

} // namespace

class CalendarPublishTest : public ViewScenario
{
protected:
    void TearDown() override { publisher.reset(); }

    HttpResponse AsAnna(HttpRequest request)
    {
        request.user = "anna";
        request.password = "secret";
        return CurlHttp().Send(request);
    }
    // The server's calendar, by UID.
    std::map<std::string, CalendarEvent> OnServer()
    {
        const HttpResponse response = AsAnna({"GET", server->Calendar()});
        EXPECT_EQ(200, response.status);
        std::map<std::string, CalendarEvent> events;
        const auto read = CalendarEvents::Read(response.body);
        for (const CalendarEvent& event : read ? *read : std::vector<CalendarEvent>{})
            events[event.uid] = event;
        return events;
    }
    std::map<std::string, CalendarEvent> Exported() const
    {
        std::map<std::string, CalendarEvent> events;
        for (const CalendarEvent& event : CalendarEvents::Of(
                 SessionsOf(JournalFile(JournalPath().string()).ReadPlausible(std::time(nullptr))),
                 false))
            events[event.uid] = event;
        return events;
    }
    void StartPublisher()
    {
        publisher = std::make_unique<CalendarPublisher>(
            JournalPath().string(), (DataFolder() / "calendar-published").string(),
            std::make_unique<CurlHttp>(),
            [this](const CalendarPublisher::Status& status)
            {
                std::lock_guard lock(mutex);
                reports.push_back(status);
            },
            100ms);
    }
    size_t Seen()
    {
        std::lock_guard lock(mutex);
        return reports.size();
    }
    // The first report after the first seen ones that satisfies the condition, within a minute.
    template <typename Condition> CalendarPublisher::Status Await(size_t seen, Condition condition)
    {
        const auto until = std::chrono::steady_clock::now() + 60s;
        while (std::chrono::steady_clock::now() < until)
        {
            {
                std::lock_guard lock(mutex);
                for (size_t index = seen; index < reports.size(); ++index)
                    if (condition(reports[index]))
                        return reports[index];
            }
            std::this_thread::sleep_for(20ms);
        }
        ADD_FAILURE() << "no such report after " << seen;
        return {};
    }
    // The UIDs whose events differ, for a message of reasonable length.
    static std::string Differences(const std::map<std::string, CalendarEvent>& expected,
                                   const std::map<std::string, CalendarEvent>& held)
    {
        std::string differing;
        for (const auto& [uid, event] : expected)
            if (held.count(uid) == 0 || !(held.at(uid) == event))
                differing += uid + (held.count(uid) == 0 ? " missing " : " differs ");
        for (const auto& [uid, event] : held)
            if (expected.count(uid) == 0)
                differing += uid + " too many ";
        return differing;
    }
    size_t Reports(bool (*which)(const CalendarPublisher::Status&))
    {
        std::lock_guard lock(mutex);
        return static_cast<size_t>(std::count_if(reports.begin(), reports.end(), which));
    }

    LocalZone zone{"UTC0"};
    std::optional<Radicale> server;
    std::mutex mutex;
    std::vector<CalendarPublisher::Status> reports;
    std::unique_ptr<CalendarPublisher> publisher;
};

TEST_F(CalendarPublishTest, SessionsAndTheirChangesReachTheServerWhateverHappensOnTheWay)
{
    server.emplace(temp.Path());
    ASSERT_EQ(201, AsAnna({"MKCALENDAR", server->Calendar()}).status);
    // Another calendar program's event, which must stay as it is.
    CalendarEvent foreign{"meeting-1", 1772445600, 1772449200, false, "Board meeting", ""};
    HttpRequest put{"PUT", server->Calendar() + "meeting-1.ics"};
    put.body = CalendarEvents::Text({foreign}, 1772445600);
    put.contentType = "text/calendar";
    ASSERT_EQ(201, AsAnna(put).status);

    // 500 sessions of 30 seconds, one a minute, from 10:00 on 2 March 2026.
    StartWith({{"Office", 0, {{"Mail", 0}, {"Call", 0}}}});
    for (int minute = 0; minute < 500; ++minute)
    {
        clock.Set(2026, 3, 2, 10 + minute / 60, minute % 60, 0);
        Select(T("Office", minute % 2 == 0 ? "Mail" : "Call"));
        Run(ID_TODO_ACTIVATE);
        clock.Set(2026, 3, 2, 10 + minute / 60, minute % 60, 30);
        Run(ID_TODO_PAUSE);
    }
    clock.Set(2026, 3, 2, 20, 0, 0);

    // Halfway through, the server stops; started again, the rest follows.
    StartPublisher();
    size_t seen = Seen();
    publisher->Configure({server->Calendar(), "anna", "secret"});
    const auto sent = [this]
    {
        std::ifstream state(DataFolder() / "calendar-published");
        return std::count(std::istreambuf_iterator<char>(state), {}, '\n');
    };
    const auto until = std::chrono::steady_clock::now() + 60s;
    while (sent() < 250 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(10ms);
    server->Stop();
    const CalendarPublisher::Status stopped = Await(
        seen, [](const CalendarPublisher::Status& status) { return !status.problem.empty(); });
    EXPECT_NE(std::string::npos, stopped.problem.find("cannot be reached")) << stopped.problem;
    seen = Seen();
    server->Start();
    Await(seen, [](const CalendarPublisher::Status& status)
          { return status.problem.empty() && status.waiting == 0; });
    std::map<std::string, CalendarEvent> expected = Exported();
    ASSERT_EQ(500u, expected.size());
    std::map<std::string, CalendarEvent> held = OnServer();
    EXPECT_EQ(foreign, held["meeting-1"]);
    held.erase("meeting-1");
    EXPECT_EQ(Differences(expected, held), "");

    // 20 sessions moved by a minute's end, 10 deleted, the last deletion undone, in History.
    HistoryForm form(*app);
    form.Open();
    for (size_t index = 0; index < 40; index += 2)
    {
        const Session& session = form.SessionAt(index);
        ASSERT_TRUE(form.EditSession(index, HistoryForm::MomentText(session.start),
                                     HistoryForm::MomentText(session.start + 60), prompts))
            << (prompts.shown.empty() ? "" : prompts.shown.back().message);
    }
    for (size_t index = 100; index > 90; --index)
    {
        prompts.answers = {true};
        ASSERT_TRUE(form.DeleteSession(index, prompts));
    }
    Run(ID_EDIT_UNDO);
    seen = Seen();
    publisher->Nudge();
    Await(seen, [](const CalendarPublisher::Status& status)
          { return status.problem.empty() && status.waiting == 0; });
    // Undo brings the last deleted session back, in the history and in the calendar.
    expected = Exported();
    EXPECT_EQ(491u, expected.size());
    held = OnServer();
    held.erase("meeting-1");
    EXPECT_EQ(Differences(expected, held), "");

    // A wrong password is reported once, however often publishing is tried again.
    seen = Seen();
    publisher->Configure({server->Calendar(), "anna", "wrong"});
    form.Open();
    ASSERT_TRUE(form.EditSession(200, HistoryForm::MomentText(form.SessionAt(200).start),
                                 HistoryForm::MomentText(form.SessionAt(200).start + 60), prompts));
    publisher->Nudge();
    Await(seen, [](const CalendarPublisher::Status& status)
          { return status.problem.find("password") != std::string::npos; });
    std::this_thread::sleep_for(1s); // several retries
    EXPECT_EQ(1u, Reports(
                      [](const CalendarPublisher::Status& status) {
                          return status.newProblem &&
                                 status.problem.find("password") != std::string::npos;
                      }));

    // Someone changes an event on the server; our change of it is left and reported.
    seen = Seen();
    publisher->Configure({server->Calendar(), "anna", "secret"});
    Await(seen, [](const CalendarPublisher::Status& status)
          { return status.problem.empty() && status.waiting == 0; });
    const std::string changedThere = form.SessionAt(300).id;
    CalendarEvent theirs = OnServer()[CalendarEvents::kUidPrefix + changedThere];
    theirs.summary = "Renamed by a colleague";
    put.url = server->Calendar() + CalendarEvents::ResourceName(theirs);
    put.body = CalendarEvents::Text({theirs}, 1772445600);
    ASSERT_EQ(201, AsAnna(put).status);
    ASSERT_TRUE(form.EditSession(300, HistoryForm::MomentText(form.SessionAt(300).start),
                                 HistoryForm::MomentText(form.SessionAt(300).start + 60), prompts));
    seen = Seen();
    publisher->Nudge();
    const CalendarPublisher::Status left =
        Await(seen, [](const CalendarPublisher::Status& status) { return status.left == 1; });
    EXPECT_EQ(std::vector<std::string>{theirs.uid}, left.newlyLeft);
    EXPECT_TRUE(left.problem.empty());
    EXPECT_EQ("Renamed by a colleague", OnServer()[theirs.uid].summary);
    EXPECT_EQ(foreign, OnServer()["meeting-1"]);
}
