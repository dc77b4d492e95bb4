#include "toolbox/ConfigFile.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigFileWriter.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"

#include <cerrno>
#include <string>

namespace toolbox
{

namespace
{

ConfigLogHook logHook = nullptr;

void LogError(const char* place, int line, const std::string& text)
{
    if (logHook != nullptr)
        logHook(place, line, 4, text.c_str());
}

std::string WithSuffix(const char* fileName, const char* suffix)
{
    return GuardAllocation([&] { return std::string(fileName) + suffix; });
}

} // namespace

void SetConfigLogHook(ConfigLogHook hook)
{
    logHook = hook;
}

ConfigFile::Found ConfigFile::Read(const char* fileName, std::string& text)
{
    errno = 0;
    FileSystem::ReadResult result =
        GuardAllocation([&] { return fileSystem->ReadWholeFile(fileName, text); });
    if (result == FileSystem::ReadResult::Missing)
        return Found::Missing;
    if (result != FileSystem::ReadResult::Read)
    {
        readFailure = FileResult::Failure("cannot read", fileName, errno);
        LogError("toolbox::Config::LoadFile", __LINE__, readFailure.Reason());
        if (lastLoad.readError) // none kept yet: the first one is told
            lastLoad.readError = readFailure;
        return Found::Unreadable;
    }
    return ParseFound(text);
}

ConfigFile::Found ConfigFile::ParseFound(std::string& text)
{
    // Some editors put a byte-order mark in front; the bytes after it are the file.
    const std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    // A NUL inside is what a power cut leaves in a file whose length grew before its bytes.
    if (text.find('\0', start) != std::string::npos || !store.Parse(text.data() + start))
    {
        store.Clear();
        return Found::Damaged;
    }
    if (store.GetRoot().Sections().Count() == 0 && store.GetRoot().Parameters().Count() == 0)
        return Found::Empty;
    for (const std::string& name : everySave)
        if (store.GetRoot().Sections().Get(name.c_str()) == nullptr)
            return Found::Partial;
    return Found::Whole;
}

std::string ConfigFile::FreeBadName(const std::string& fileName)
{
    std::string bad = WithSuffix(fileName.c_str(), ".bad");
    for (int number = 1; fileSystem->Exists(bad.c_str()); ++number)
        bad = WithSuffix(fileName.c_str(), (".bad." + std::to_string(number)).c_str());
    return bad;
}

std::string ConfigFile::KeepAside(const std::string& fileName)
{
    // Renamed rather than copied: the next two saves would otherwise rotate it away. A ".bad"
    // kept before may be the user's only copy, so it is never replaced.
    const std::string bad = FreeBadName(fileName);
    bool kept = fileSystem->RenameAside(fileName.c_str(), bad.c_str()) &&
                fileSystem->SyncFolder(fileName.c_str());
    LogError("toolbox::Config::LoadFile", __LINE__,
             "The configuration file " + fileName +
                 (kept ? " cannot be read; it is kept as " + bad
                       : " cannot be read, nor can it be kept as " + bad));
    return kept ? bad : std::string();
}

bool ConfigFile::Load(const char* fileName, bool readOnly)
{
    lastLoad = LoadReport();
    const std::string old = WithSuffix(fileName, ".old");
    std::string fileText;
    const Found file = Read(fileName, fileText);
    const FileResult fileFailure = readFailure;
    Found copy = Found::Missing;
    std::string oldText;
    FileResult copyFailure;
    if (file != Found::Whole)
    {
        copy = Read(old.c_str(), oldText);
        copyFailure = readFailure;
    }

    // The newest copy that is whole wins; failing that, the newest that reads at all.
    std::string loaded;
    if (file == Found::Whole)
        loaded = fileName;
    else if (copy == Found::Whole)
        loaded = old;
    else if (file == Found::Partial || file == Found::Empty)
        loaded = fileName;
    else if (copy == Found::Partial || (copy == Found::Empty && file == Found::Missing))
        loaded = old;
    // The ".old" copy was parsed last, and a parse uses its text up: the file is read again.
    if (loaded == fileName && file != Found::Whole)
        Read(fileName, fileText);

    if (!readOnly)
    {
        // A file that could not be read may hold the newest data: it stays where it is, and
        // the user decides.
        unread.clear();
        if (file == Found::Unreadable)
            unread.push_back(fileFailure);
        if (copy == Found::Unreadable)
            unread.push_back(copyFailure);
        lastLoad.unread = unread;
        loadedName = fileName;
        if (loaded != fileName && file != Found::Missing && file != Found::Unreadable)
            lastLoad.keptAside = KeepAside(fileName);
        if (loaded != old && copy == Found::Damaged)
            lastLoad.oldKeptAside = KeepAside(old);
        notLoadedFrom = loaded == fileName ? std::string() : fileName;
    }
    lastLoad.loaded = loaded;
    return !loaded.empty();
}

FileResult ConfigFile::KeepUnreadAside(LoadReport& report)
{
    while (!unread.empty())
    {
        const std::string name = unread.front().File();
        const std::string bad = KeepAside(name);
        if (bad.empty())
            return FileResult::Failure("cannot rename", name, errno);
        (name == loadedName ? report.keptAside : report.oldKeptAside) = bad;
        unread.erase(unread.begin());
        report.unread = unread;
    }
    return FileResult();
}

FileResult ConfigFile::Save(const char* name)
{
    store.NotifyConfigurables(true);
    // Through a link to its target, so that the link stays and the target gets the content.
    const std::string fileName = fileSystem->Resolve(name);
    const std::string newName = WithSuffix(fileName.c_str(), ".new");
    const std::string oldName = WithSuffix(fileName.c_str(), ".old");
    const auto failed = [&](const char* action, const std::string& file)
    {
        FileResult result = FileResult::Failure(action, file, errno);
        LogError("toolbox::Config::SaveFile", __LINE__,
                 "The configuration cannot be saved: " + result.Reason());
        return result;
    };
    if (!unread.empty())
    {
        LogError("toolbox::Config::SaveFile", __LINE__,
                 "The configuration is not saved over a file that cannot be read: " +
                     unread.front().Reason());
        return unread.front();
    }
    errno = 0;
    ConfigFileWriter writer(*fileSystem);
    if (!writer.Open(newName.c_str(), fileName.c_str()))
        return failed("cannot create", newName);
    // The new content must be whole and on the disk before any name changes; until then the
    // file and its ".old" copy stay as they were.
    if (!ConfigFormat::Write(store.GetRoot(), writer) || !writer.Flush())
        return failed("cannot write", newName);
    if (!writer.Sync() || !writer.Close())
        return failed("cannot write to the disk", newName);
    const bool exists = fileSystem->Exists(fileName.c_str());
    if (exists && fileName == fileSystem->Resolve(notLoadedFrom.c_str()))
    {
        // The data did not come from this file: it must not replace the ".old" copy it came
        // from, and it is kept for the user instead of being overwritten.
        const std::string bad = FreeBadName(fileName);
        if (!fileSystem->RenameAside(fileName.c_str(), bad.c_str()))
            return failed("cannot rename", fileName);
    }
    // The file becomes ".old" under a second name while it keeps its own, and the new content
    // then replaces it in one step: the file never goes missing, not for a moment, so neither
    // another program reading it nor a power cut finds it absent. Where the file system has no
    // second names, the file is renamed to ".old" instead, and a cut between the two renames
    // leaves the ".old" copy for the next start to load.
    else if (exists && !fileSystem->Link(fileName.c_str(), oldName.c_str()) &&
             !fileSystem->Rename(fileName.c_str(), oldName.c_str()))
        return failed("cannot rename", fileName);
    if (!fileSystem->Rename(newName.c_str(), fileName.c_str()))
        return failed("cannot rename", newName);
    if (!fileSystem->SyncFolder(fileName.c_str()))
        return failed("cannot record the new name of", fileName);
    notLoadedFrom.clear();
    return FileResult();
}

} // namespace toolbox
