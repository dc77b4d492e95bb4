#include "app/backups/BackupCatalog.h"

#include "app/Tallydene.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/DailyBackups.h"
#include "toolbox/Translation.h"

#include <cstdio>
#include <filesystem>

using toolbox::Translation;

namespace
{

// As the loader takes a file: it parses and holds something.
bool Parses(toolbox::Config& config, std::string text)
{
    return config.Parse(text.data()) && config.GetRoot().Sections().Count() > 0;
}

} // namespace

std::vector<BackupCatalog::Entry> BackupCatalog::List(Tallydene& app)
{
    std::vector<Entry> entries;
    for (const toolbox::DailyBackups::Backup& backup :
         toolbox::DailyBackups(app.DataFilePath(), app.GetConfig().GetFileSystem()).List())
    {
        // A folder or a pipe may carry a backup's name: it has no size, and a pipe's read waits.
        std::error_code error;
        if (!std::filesystem::is_regular_file(backup.path, error))
            continue;
        Entry entry{backup.path, backup.stamp};
        entry.size = std::filesystem::file_size(backup.path, error);
        toolbox::Config config;
        const std::optional<std::string> text = ReadWhole(app, backup.path);
        entry.readable = text && Parses(config, *text);
        if (entry.readable)
        {
            toolbox::ConfigSection& root = config.GetRoot();
            for (toolbox::ConfigSection* project : root.GetSection("Projects").Sections().Values())
            {
                ++entry.projects;
                entry.todos += static_cast<int>(project->GetSection("Todos").Sections().Count());
                project->Fold(); // the next is read into the same memory
            }
            entry.balance = settings::kOvertime.Read(root);
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
    if (text.find('\0') != std::string::npos || !Parses(config, text))
        return std::nullopt;
    return text;
}

std::string BackupCatalog::Describe(const Tallydene& app, const Entry& entry)
{
    char size[32];
    std::snprintf(size, sizeof size, "%.1f KB", static_cast<double>(entry.size) / 1024.0);
    if (!entry.readable)
        return Translation::TrFormat("%s    %s    cannot be read", {DateOf(entry.stamp), size});
    return Translation::TrFormat(
        "%s    %s    %s    Working time: %s",
        {DateOf(entry.stamp), size, Contents(entry), app.FormatDuration(entry.balance, 0)});
}

std::string BackupCatalog::Contents(const Entry& entry)
{
    const std::string projects = std::to_string(entry.projects);
    const std::string todos = std::to_string(entry.todos);
    // The singular and the plural are whole texts of their own, so each language words both.
    if (entry.projects == 1)
        return entry.todos == 1 ? Translation::TrFormat("%s project, %s todo", {projects, todos})
                                : Translation::TrFormat("%s project, %s todos", {projects, todos});
    return entry.todos == 1 ? Translation::TrFormat("%s projects, %s todo", {projects, todos})
                            : Translation::TrFormat("%s projects, %s todos", {projects, todos});
}

std::string BackupCatalog::DateOf(const std::string& stamp)
{
    if (stamp.size() <= 10)
        return stamp;
    return stamp.substr(0, 10) + " " + stamp.substr(11, 2) + ":" + stamp.substr(13, 2) + ":" +
           stamp.substr(15, 2);
}
