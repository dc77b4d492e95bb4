#include "tests/app/ExpectedFiles.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace
{

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

template <class T> std::vector<T> SortedByName(std::vector<T> items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const T& a, const T& b) { return Lower(a.name) < Lower(b.name); });
    return items;
}

std::string Tabs(int depth)
{
    return std::string(static_cast<size_t>(depth), '\t');
}

std::string Value(const std::string& name, const std::string& value, int depth)
{
    return Tabs(depth) + "<" + name + ">" + (value.empty() ? "\\0" : value) + "</>\r\n";
}

std::string Value(const std::string& name, int32_t value, int depth)
{
    return Value(name, std::to_string(value), depth);
}

std::string Value(const std::string& name, bool value, int depth)
{
    return Value(name, std::string(value ? "1" : "0"), depth);
}

std::string Section(const std::string& name, const std::string& content, int depth)
{
    return Tabs(depth) + "<" + name + ">\r\n" + content + Tabs(depth) + "</" + name + ">\r\n";
}

std::string IdValue(const std::string& id, int depth)
{
    return id.empty() ? "" : Value("Id", id, depth);
}

std::string ProjectsContent(const std::vector<ExpectedProject>& projects)
{
    std::string content;
    for (const ExpectedProject& project : SortedByName(projects))
    {
        std::string inner = Value("Comment", project.comment, 2) + Value("Expanded", true, 2) +
                            IdValue(project.id, 2) + Value("TotalTime", project.totalTime, 2);
        if (!project.todos.empty())
        {
            std::string todos;
            for (const ExpectedTodo& todo : SortedByName(project.todos))
                todos += (todos.empty() ? "" : "\r\n") +
                         Section(todo.name,
                                 Value("Comment", todo.comment, 4) + Value("Expanded", true, 4) +
                                     IdValue(todo.id, 4) + Value("Priority", todo.priority, 4) +
                                     Value("Time", todo.time, 4),
                                 3);
            inner += "\r\n" + Section("Todos", todos, 2);
        }
        if (!content.empty())
            content += "\r\n";
        content += Section(project.name, inner, 1);
    }
    return content;
}

} // namespace

std::string ExpectedConfigFile(const ExpectedSettings& s)
{
    std::string application = Value("LastTimeUpdated", s.lastTimeUpdated, 1) + "\r\n" +
                              Section("OnceActions", Value("FirstRun", false, 2), 1);
    std::string options =
        Value("AskAboutAwayAfter", s.awayThresholdMinutes, 1) +
        Value("AutoSaveEnabled", s.autoSaveEnabled, 1) +
        Value("CalendarAddress", std::string(), 1) + Value("CalendarPerDay", false, 1) +
        Value("CalendarPublish", false, 1) + Value("CalendarUser", std::string(), 1) +
        Value("DaysAtLocalMidnight", s.daysLocal, 1) +
        Value("LoggingEnabled", s.loggingEnabled, 1) + Value("TimeFormat", s.timeFormat, 1) +
        Value("TimeRound", s.timeRound, 1) + Value("TrayIcon", s.trayIcon, 1) +
        Value("WorkingTimeEnabled", s.workingTimeEnabled, 1);
    // Unless a test says otherwise, the day of the last update was the last one charged.
    std::string workingTime =
        Value("Actual", s.actual, 1) +
        Value("LastChargedDay", s.lastChargedDay.value_or(s.lastTimeUpdated / 86400), 1) +
        Value("LastChargedDayUpdate", s.lastTimeUpdated, 1) + Value("LeftUnchargedAfter", 0, 1);
    for (int weekday = 0; weekday < 7; ++weekday)
        workingTime += Value("Target" + std::to_string(weekday), s.targets[weekday], 1);

    return Section("Application", application, 0) + "\r\n" + Section("Options", options, 0) +
           "\r\n" + Section("Projects", ProjectsContent(s.projects), 0) + "\r\n" +
           Section("WorkingTime", workingTime, 0);
}

namespace
{

// The "Id" values of a written file by the path of their sections, such as
// "Projects/Web/Todos/Fix".
std::map<std::string, std::string> IdsIn(const std::string& file)
{
    std::map<std::string, std::string> ids;
    std::vector<std::string> path;
    std::istringstream lines(file);
    std::string line;
    while (std::getline(lines, line))
    {
        const size_t start = line.find('<');
        if (start == std::string::npos)
            continue;
        const std::string rest = line.substr(start);
        if (rest.rfind("<Id>", 0) == 0 && rest.size() >= 8)
        {
            std::string joined;
            for (const std::string& name : path)
                joined += (joined.empty() ? "" : "/") + name;
            ids[joined] = rest.substr(4, rest.find("</>") - 4);
        }
        else if (rest.rfind("</", 0) == 0 && rest.find("</>") == std::string::npos)
            path.pop_back();
        else if (rest.find("</>") == std::string::npos)
            path.push_back(rest.substr(1, rest.find('>') - 1));
    }
    return ids;
}

std::string WellFormedId(const std::map<std::string, std::string>& ids, const std::string& path)
{
    const auto found = ids.find(path);
    if (found == ids.end() || found->second.size() != 32 ||
        found->second.find_first_not_of("0123456789abcdef") != std::string::npos)
        return "(no id)";
    return found->second;
}

} // namespace

std::string ExpectedConfigFile(ExpectedSettings settings, const std::string& savedFile)
{
    const std::map<std::string, std::string> ids = IdsIn(savedFile);
    for (ExpectedProject& project : settings.projects)
    {
        const std::string path = "Projects/" + project.name;
        if (project.id.empty())
            project.id = WellFormedId(ids, path);
        for (ExpectedTodo& todo : project.todos)
            if (todo.id.empty())
                todo.id = WellFormedId(ids, path + "/Todos/" + todo.name);
    }
    return ExpectedConfigFile(settings);
}

std::string LogLine(const std::string& when, const std::string& message)
{
    return when + " : " + message + "\r\n";
}

std::string LogLine(const std::string& when, const std::string& message, const std::string& detail)
{
    return when + " : " + message + ": " + detail + "\r\n";
}
