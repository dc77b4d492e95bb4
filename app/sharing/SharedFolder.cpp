#include "app/sharing/SharedFolder.h"

#include "app/journal/JournalFile.h"
#include "toolbox/FileSystem.h"
#include "toolbox/Logger.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace
{

constexpr const char* kJournalExtension = ".journal";

int64_t ModifiedOf(const fs::path& file, std::error_code& error)
{
    return static_cast<int64_t>(fs::last_write_time(file, error).time_since_epoch().count());
}

} // namespace

SharedFolder::SharedFolder(std::string folder, std::string device)
    : path((fs::path(folder) / "Tallydene").string()), device(std::move(device)),
      files(&toolbox::FileSystem::Native())
{
}

std::string SharedFolder::StartingBooksPath() const
{
    return (fs::path(path) / "books.cfg").string();
}

std::string SharedFolder::OwnJournalPath() const
{
    return (fs::path(path) / (device + kJournalExtension)).string();
}

bool SharedFolder::IsConflictCopy(const std::string& fileName)
{
    // Syncthing: "name.sync-conflict-<date>-<time>-<device>.ext"; Nextcloud and Dropbox:
    // "name (conflicted copy <date>).ext", "name (<machine>'s conflicted copy <date>).ext".
    return fileName.find(".sync-conflict-") != std::string::npos ||
           fileName.find("conflicted copy") != std::string::npos;
}

std::optional<std::string> SharedFolder::ReadStartingBooks() const
{
    std::string text;
    if (files->ReadWholeFile(StartingBooksPath().c_str(), text) !=
        toolbox::FileSystem::ReadResult::Read)
        return std::nullopt;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

toolbox::FileResult SharedFolder::WriteStartingBooks(const std::string& text)
{
    std::error_code error;
    fs::create_directories(path, error);
    if (error)
        return problem.emplace(
            toolbox::FileResult::Failure("cannot make the folder", path, error.value()));
    // Written whole under a name of this machine's, then given the shared name only where no
    // machine has given it yet.
    const std::string written = StartingBooksPath() + "." + device;
    const std::unique_ptr<toolbox::FileSystem::File> file = files->OpenForWrite(written.c_str(), nullptr);
    if (file == nullptr || !file->Write(text.data(), text.size()) || !file->Sync() ||
        !file->Close())
    {
        const int reason = errno;
        fs::remove(written, error);
        return problem.emplace(toolbox::FileResult::Failure("cannot write", written, reason));
    }
    if (!files->RenameAside(written.c_str(), StartingBooksPath().c_str()))
    {
        const int reason = errno;
        fs::remove(written, error);
        if (reason != EEXIST)
            return problem.emplace(
                toolbox::FileResult::Failure("cannot write", StartingBooksPath(), reason));
    }
    files->SyncFolder(StartingBooksPath().c_str());
    problem.reset();
    return {};
}

toolbox::FileResult SharedFolder::CatchUp(const std::vector<JournalEntry>& own)
{
    JournalFile journal(OwnJournalPath());
    journal.SetFileSystem(*files);
    // Read from the file each time: a sync engine may have put an older version in its place.
    const std::optional<JournalEntry> last = journal.ReadLast();
    const int64_t held = last ? last->sequence : 0;
    for (const JournalEntry& entry : own)
    {
        if (entry.sequence <= held)
            continue;
        if (toolbox::FileResult written = journal.Append(entry); !written)
            return problem.emplace(written);
    }
    std::error_code error;
    ownSeen = Seen{fs::file_size(OwnJournalPath(), error), ModifiedOf(OwnJournalPath(), error)};
    if (error)
        ownSeen.reset();
    problem.reset();
    return {};
}

bool SharedFolder::OwnJournalReplaced() const
{
    std::error_code error;
    const Seen now{fs::file_size(OwnJournalPath(), error), ModifiedOf(OwnJournalPath(), error)};
    return !ownSeen || error || now.size != ownSeen->size || now.modified != ownSeen->modified;
}

std::vector<JournalEntry> SharedFolder::ReadChanged()
{
    std::vector<JournalEntry> entries;
    std::error_code error;
    fs::directory_iterator folder(path, error);
    if (error)
    {
        problem.emplace(toolbox::FileResult::Failure("cannot read", path, error.value()));
        return entries;
    }
    problem.reset();
    const std::string own = device + kJournalExtension;
    for (const fs::directory_entry& file : folder)
    {
        const std::string name = file.path().filename().string();
        const bool conflict = IsConflictCopy(name);
        if (name == own || !name.ends_with(kJournalExtension))
            continue;
        const Seen now{file.file_size(error), ModifiedOf(file.path(), error)};
        if (error)
            continue;
        if (!conflict)
        {
            const auto before = seen.find(name);
            if (before != seen.end() && before->second.size == now.size &&
                before->second.modified == now.modified)
                continue;
            seen[name] = now;
        }
        std::vector<JournalEntry> read = JournalFile(file.path().string()).ReadComplete();
        entries.insert(entries.end(), std::make_move_iterator(read.begin()),
                       std::make_move_iterator(read.end()));
        if (conflict)
        {
            toolbox::Logger::Report("SharedFolder", __LINE__, toolbox::Logger::kLevelInfo,
                                    "Took in and removed the conflict copy " + name);
            fs::remove(file.path(), error);
        }
    }
    return entries;
}
