#include "toolbox/DailyBackups.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <set>
#include <system_error>

namespace toolbox
{

namespace
{

namespace fs = std::filesystem;

bool DigitsAt(const std::string& text, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// "YYYY-MM-DD" with a real date, optionally followed by "-HHMMSS".
bool IsStamp(const std::string& text)
{
    if (text.size() != 10 && text.size() != 17)
        return false;
    if (!DigitsAt(text, 0, 4) || text[4] != '-' || !DigitsAt(text, 5, 2) || text[7] != '-' ||
        !DigitsAt(text, 8, 2))
        return false;
    if (text.size() == 17 && (text[10] != '-' || !DigitsAt(text, 11, 6)))
        return false;
    const std::chrono::year_month_day day{std::chrono::year(std::stoi(text.substr(0, 4))),
                                          std::chrono::month(std::stoi(text.substr(5, 2))),
                                          std::chrono::day(std::stoi(text.substr(8, 2)))};
    return day.ok();
}

// Weeks counted from a Monday, so that two days share a number when they share a week.
long WeekOf(const std::string& stamp)
{
    const std::chrono::year_month_day day{std::chrono::year(std::stoi(stamp.substr(0, 4))),
                                          std::chrono::month(std::stoi(stamp.substr(5, 2))),
                                          std::chrono::day(std::stoi(stamp.substr(8, 2)))};
    // 1 January 1970 was a Thursday: three days after a Monday.
    const long days = std::chrono::sys_days(day).time_since_epoch().count() + 3;
    return days >= 0 ? days / 7 : (days - 6) / 7;
}

} // namespace

DailyBackups::DailyBackups(const std::string& dataFile, FileSystem& files)
    : dataFile(dataFile), files(files)
{
    const fs::path path(dataFile);
    folder = (path.parent_path() / "backups").string();
    stem = path.stem().string();
    extension = path.extension().string();
}

std::string DailyBackups::PathOf(const std::string& stamp) const
{
    return (fs::path(folder) / (stem + "-" + stamp + extension)).string();
}

FileResult DailyBackups::Keep(const std::string& stamp)
{
    if (!files.Exists(dataFile.c_str()))
        return FileResult();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return FileResult::Failure("cannot create", folder, error.value());
    const std::string backup = PathOf(stamp);
    // Through a link to its target: a second name of the link would keep no data.
    const std::string source = files.Resolve(dataFile.c_str());
    // A second name costs no space and is made in one step; where names cannot be shared the
    // bytes are copied.
    if (!files.Link(source.c_str(), backup.c_str()))
    {
        FileResult copied = Copy(source, backup);
        if (!copied)
            return copied;
    }
    if (!files.SyncFolder(backup.c_str()))
        return FileResult::Failure("cannot record the name of", backup, errno);
    Prune();
    return FileResult();
}

FileResult DailyBackups::Copy(const std::string& from, const std::string& to)
{
    std::string bytes;
    if (files.ReadWholeFile(from.c_str(), bytes) != FileSystem::ReadResult::Read)
        return FileResult::Failure("cannot read", from, errno);
    // Written whole under a passing name first, so that no half copy ever bears a date.
    const std::string passing = to + ".new";
    std::unique_ptr<FileSystem::File> file = files.OpenForWrite(passing.c_str(), from.c_str());
    if (!file)
        return FileResult::Failure("cannot create", passing, errno);
    if (!file->Write(bytes.data(), bytes.size()) || !file->Flush() || !file->Sync() ||
        !file->Close())
        return FileResult::Failure("cannot write", passing, errno);
    if (!files.Rename(passing.c_str(), to.c_str()))
        return FileResult::Failure("cannot rename", passing, errno);
    return FileResult();
}

std::vector<DailyBackups::Backup> DailyBackups::List() const
{
    std::vector<Backup> backups;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        const std::size_t fixed = stem.size() + 1 + extension.size();
        if (name.size() <= fixed || !name.starts_with(stem + "-") || !name.ends_with(extension))
            continue;
        const std::string stamp = name.substr(stem.size() + 1, name.size() - fixed);
        if (IsStamp(stamp))
            backups.push_back({entry.path().string(), stamp});
    }
    std::sort(backups.begin(), backups.end(),
              [](const Backup& a, const Backup& b) { return a.stamp > b.stamp; });
    return backups;
}

std::vector<std::string> DailyBackups::Unkept(std::vector<std::string> stamps)
{
    std::sort(stamps.begin(), stamps.end(), std::greater<>());
    std::set<std::string> days;
    std::set<long> weeks;
    std::vector<std::string> unkept;
    for (const std::string& stamp : stamps)
    {
        const std::string day = stamp.substr(0, 10);
        if (days.contains(day) || days.size() < kDailyKept)
        {
            days.insert(day);
            continue;
        }
        const long week = WeekOf(stamp);
        if (!weeks.contains(week) && weeks.size() < kWeeklyKept)
        {
            weeks.insert(week);
            continue;
        }
        unkept.push_back(stamp);
    }
    return unkept;
}

void DailyBackups::Prune()
{
    std::vector<std::string> stamps;
    for (const Backup& backup : List())
        stamps.push_back(backup.stamp);
    // A copy that cannot be deleted is only one more copy; it goes at a later try.
    std::error_code error;
    for (const std::string& stamp : Unkept(std::move(stamps)))
        fs::remove(PathOf(stamp), error);
}

} // namespace toolbox
