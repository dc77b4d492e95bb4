#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The configuration file that the application should write, built from what a test expects
// to be stored. Names are plain words, so that nothing needs escaping; sections and keys come
// in the file's order, sorted by name without regard to letter case, lines ending in CR LF.
// Items are written with the ids they are given, and without an "Id" key when they have none.
struct ExpectedTodo
{
    ExpectedTodo(std::string name, int32_t time, int32_t priority = 2, std::string comment = "")
        : name(std::move(name)), time(time), priority(priority), comment(std::move(comment))
    {
    }
    std::string name;
    int32_t time;
    int32_t priority;
    std::string comment;
    std::string id;
};

struct ExpectedProject
{
    ExpectedProject(std::string name, int32_t totalTime, std::vector<ExpectedTodo> todos,
                    std::string comment = "")
        : name(std::move(name)), totalTime(totalTime), todos(std::move(todos)),
          comment(std::move(comment))
    {
    }
    std::string name;
    int32_t totalTime;
    std::vector<ExpectedTodo> todos;
    std::string comment;
    std::string id;
};

struct ExpectedSettings
{
    int32_t lastTimeUpdated = 0;
    int32_t actual = 0;
    std::optional<int32_t> lastChargedDay;
    std::array<int32_t, 7> targets{};
    bool autoSaveEnabled = true;
    bool loggingEnabled = false;
    int32_t timeFormat = 1;
    int32_t timeRound = 1;
    bool trayIcon = true;
    bool workingTimeEnabled = true;
    bool daysLocal = false;
    int32_t awayThresholdMinutes = 15;
    std::vector<ExpectedProject> projects;
};

std::string ExpectedConfigFile(const ExpectedSettings& settings);
// The ids are random, so the file a test expects takes each item's id from the saved file,
// by the item's names. An id that is not 32 lowercase hex digits, or an item without one,
// is written as "(no id)", which no saved file holds.
std::string ExpectedConfigFile(ExpectedSettings settings, const std::string& savedFile);

// One event-log line: "YYYY-MM-DD hh:mm:ss : message[: detail]" and CR LF.
std::string LogLine(const std::string& when, const std::string& message);
std::string LogLine(const std::string& when, const std::string& message, const std::string& detail);
