#pragma once

#include "toolbox/FileResult.h"
#include "toolbox/FileSystem.h"

#include <string>
#include <vector>

namespace toolbox
{

// The dated copies of the data file in the folder "backups" beside it, named after the file
// and the day its content is from: "tallydene-2026-12-07.cfg". A copy is a second name of the
// file where the file system has such names, else a copy on the disk; either way the saves
// that follow never change it, since a save puts a new file in the data file's place.
class DailyBackups
{
public:
    struct Backup
    {
        std::string path;
        // "YYYY-MM-DD", or "YYYY-MM-DD-HHMMSS" for a copy kept at a given moment.
        std::string stamp;
    };

    // The last this many days keep their copies, and then the newest copy of this many weeks.
    static constexpr int kDailyKept = 14;
    static constexpr int kWeeklyKept = 8;

    explicit DailyBackups(const std::string& dataFile, FileSystem& files = FileSystem::Native());

    // Keeps the data file under the stamp, replacing a copy of the same stamp, then deletes
    // the copies beyond the daily and weekly ones kept. A missing data file is nothing to keep.
    FileResult Keep(const std::string& stamp);
    // Every copy, the newest first.
    std::vector<Backup> List() const;
    std::string Folder() const { return folder; }
    std::string PathOf(const std::string& stamp) const;

    // The stamps whose copies go: all but the newest days' and the newest of older weeks'.
    static std::vector<std::string> Unkept(std::vector<std::string> stamps);

private:
    FileResult Copy(const std::string& from, const std::string& to);
    void Prune();

    std::string dataFile;
    std::string folder;
    std::string stem;
    std::string extension;
    FileSystem& files;
};

} // namespace toolbox
