#include "app/BackupCatalog.h"

#include "app/Tallydene.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/DailyBackups.h"

#include <cstdio>
#include <filesystem>

namespace
{

// The sections every save of the program writes: a file without them is not a whole one.
const std::vector<std::string> everySave = {"Application", "Options", "Projects", "WorkingTime"};

bool ParsesWhole(toolbox::Config& config, std::string text)
{
    if (!config.Parse(text.data()))
        return false;
    for (const std::string& name : everySave)
        if (config.GetRoot().Sections().Get(name.c_str()) == nullptr)
            return false;
    return true;
}

} // namespace

std::vector<BackupCatalog::Entry> BackupCatalog::List(Tallydene& app)
{
    std::vector<Entry> entries;
    for (const toolbox::DailyBackups::Backup& backup :
         toolbox::DailyBackups(app.DataFilePath(), app.GetConfig().GetFileSystem()).List())
    {
        Entry entry{backup.path, backup.stamp};
        std::error_code error;
        entry.size = std::filesystem::file_size(backup.path, error);
        toolbox::Config config;
        const std::optional<std::string> text = ReadWhole(app, backup.path);
        entry.readable = text && ParsesWhole(config, *text);
        if (entry.readable)
        {
            toolbox::ConfigSection& root = config.GetRoot();
            for (toolbox::ConfigSection* project : root.GetSection("Projects").Sections().Values())
            {
                ++entry.projects;
                entry.todos += static_cast<int>(project->GetSection("Todos").Sections().Count());
            }
            entry.balance = root.GetSection("WorkingTime").GetInt("Actual", 0);
        }
        entries.push_back(entry);
    }
    return entries;
}

std::optional<std::string> BackupCatalog::ReadWhole(Tallydene& app, const std::string& path)
{
    std::string text;
    if (app.GetConfig().GetFileSystem().ReadWholeFile(path.c_str(), text) !=
        toolbox::FileSystem::ReadResult::Read)
        return std::nullopt;
    toolbox::Config config;
    if (text.find('\0') != std::string::npos || !ParsesWhole(config, text))
        return std::nullopt;
    return text;
}

std::string BackupCatalog::Describe(const Tallydene& app, const Entry& entry)
{
    char size[32];
    std::snprintf(size, sizeof size, "%.1f KB", static_cast<double>(entry.size) / 1024.0);
    std::string line = DateOf(entry.stamp) + "    " + size + "    ";
    if (!entry.readable)
        return line + "cannot be read";
    return line + Contents(entry) + "    Working time: " + app.FormatDuration(entry.balance, 0);
}

std::string BackupCatalog::Contents(const Entry& entry)
{
    return std::to_string(entry.projects) + (entry.projects == 1 ? " project, " : " projects, ") +
           std::to_string(entry.todos) + (entry.todos == 1 ? " todo" : " todos");
}

std::string BackupCatalog::DateOf(const std::string& stamp)
{
    if (stamp.size() <= 10)
        return stamp;
    return stamp.substr(0, 10) + " " + stamp.substr(11, 2) + ":" + stamp.substr(13, 2) + ":" +
           stamp.substr(15, 2);
}
