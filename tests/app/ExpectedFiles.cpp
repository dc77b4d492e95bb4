#include "tests/app/ExpectedFiles.h"

#include <algorithm>
#include <cctype>

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

std::string ProjectsContent(const std::vector<ExpectedProject>& projects)
{
    std::string content;
    for (const ExpectedProject& project : SortedByName(projects))
    {
        std::string inner = Value("Comment", project.comment, 2) + Value("Expanded", true, 2) +
                            Value("TotalTime", project.totalTime, 2);
        if (!project.todos.empty())
        {
            std::string todos;
            for (const ExpectedTodo& todo : SortedByName(project.todos))
                todos +=
                    (todos.empty() ? "" : "\r\n") +
                    Section(todo.name,
                            Value("Comment", todo.comment, 4) + Value("Expanded", true, 4) +
                                Value("Priority", todo.priority, 4) + Value("Time", todo.time, 4),
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
    std::string options = Value("AskAboutAwayAfter", s.awayThresholdMinutes, 1) +
                          Value("AutoSaveEnabled", s.autoSaveEnabled, 1) +
                          Value("DaysAtLocalMidnight", s.daysLocal, 1) +
                          Value("LoggingEnabled", s.loggingEnabled, 1) +
                          Value("TimeFormat", s.timeFormat, 1) +
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

std::string LogLine(const std::string& when, const std::string& message)
{
    return when + " : " + message + "\r\n";
}

std::string LogLine(const std::string& when, const std::string& message, const std::string& detail)
{
    return when + " : " + message + ": " + detail + "\r\n";
}
