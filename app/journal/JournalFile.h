#pragma once

#include "app/journal/JournalEntry.h"
#include "toolbox/FileResult.h"
#include "toolbox/FileSystem.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

// The session journal's file: entries only ever appended, each written and synced to the disk
// at once, so a crash loses nothing that was recorded. Lines starting with "#" are comments.
class JournalFile
{
public:
    explicit JournalFile(std::string path) : path(std::move(path)) {}

    // Where the entries are written; the system's own files unless a test says otherwise.
    void SetFileSystem(toolbox::FileSystem& fileSystem) { files = &fileSystem; }
    // A failure when the entry could not be written whole, the file then left as it was; the
    // reason also goes to the diagnostic log.
    toolbox::FileResult Append(const JournalEntry& entry) const;
    // Every entry in file order but the progress of sessions, which only the start needs. A
    // damaged line is skipped with a warning in the diagnostic log; a missing file has no
    // entries. Only ReadComplete gives a books entry's content (the whole books); the others
    // give the entry with an empty note.
    std::vector<JournalEntry> ReadAll() const;
    // Every entry with the progress of sessions: the complete record the books are replayed from.
    std::vector<JournalEntry> ReadComplete() const;
    // As ReadAll, leaving out with a warning the entries that are not plausible at the moment
    // given: for everything that shows or exports the journal.
    std::vector<JournalEntry> ReadPlausible(int64_t now) const;
    // The entries from the last one of the kind to the end, read backwards from the file's end
    // so that a long journal is not read whole; all of them when no entry is of the kind.
    std::vector<JournalEntry> ReadFromLast(const std::string& kind) const;

    // The last entry, read from the file's end; nothing when the file holds none.
    std::optional<JournalEntry> ReadLast() const;
    const std::string& GetPath() const { return path; }

private:
    std::string path;
    toolbox::FileSystem* files = &toolbox::FileSystem::Native();
};

// Reads the next line of a journal as std::getline does, but a books entry comes without its
// note (the whole books, megabytes with many todos), which is passed over in the stream and
// never held. The characters taken from the stream, line end included; 0 at the end.
std::streamsize ReadLineWithoutBooks(std::istream& in, std::string& line);
