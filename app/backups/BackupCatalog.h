#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Tallydene;

// The dated backups of the data file as the user chooses among them: what each one holds.
class BackupCatalog
{
public:
    struct Entry
    {
        std::string path;
        std::string stamp;
        std::uintmax_t size = 0;
        // Only for a backup that reads as a data file.
        bool readable = false;
        int projects = 0;
        int todos = 0;
        int32_t balance = 0;
    };

    // Every backup beside the application's data file, the newest first; only files.
    static std::vector<Entry> List(Tallydene& app);
    // The backup's text when it reads as a data file.
    static std::optional<std::string> ReadWhole(Tallydene& app, const std::string& path);
    // One line of the list: date, size, contents and balance.
    static std::string Describe(const Tallydene& app, const Entry& entry);
    // "2 projects, 5 todos".
    static std::string Contents(const Entry& entry);
    // "2026-12-07", or "2026-12-07 10:15:00" for a copy kept at a moment.
    static std::string DateOf(const std::string& stamp);
};
