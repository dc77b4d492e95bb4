#pragma once

#include "app/journal/JournalEntry.h"
#include "toolbox/FileResult.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace toolbox
{
class FileSystem;
}

// The folder that a sync engine keeps equal on the user's machines, as Tallydene uses it: in its
// sub-folder "Tallydene", the books the machines started sharing ("books.cfg", written once)
// and one journal per machine ("<device id>.journal"), to which only that machine writes. No
// file has two writers, so the engine never has to choose between two versions of one; a
// conflict copy that it makes anyway is read like a journal and removed.
class SharedFolder
{
public:
    SharedFolder(std::string folder, std::string device);

    // The sub-folder, and the files in it.
    const std::string& Path() const { return path; }
    std::string StartingBooksPath() const;
    std::string OwnJournalPath() const;

    // The starting books; nothing while the folder holds none (or cannot be read).
    std::optional<std::string> ReadStartingBooks() const;
    // Writes the starting books, unless another machine wrote them first: then that machine's
    // are given back, and this one's are left unwritten.
    toolbox::FileResult WriteStartingBooks(const std::string& text);

    // This machine's entries that its journal in the folder does not hold yet are appended to
    // it, oldest first. A failure leaves the rest for the next time.
    toolbox::FileResult CatchUp(const std::vector<JournalEntry>& own);
    // Whether this machine's journal in the folder is no longer as the last catching up left
    // it: a sync engine put another version in its place.
    bool OwnJournalReplaced() const;

    // The entries of the other machines' journals whose files changed since the last reading,
    // with those of any conflict copy (which is then removed). Files that did not change are
    // not read again; their entries were given before.
    std::vector<JournalEntry> ReadChanged();
    // Whether the last reading or writing found the folder out of reach, and why.
    const std::optional<toolbox::FileResult>& Problem() const { return problem; }

    // Whether a sync engine made the file name as a copy of a file it could not bring together.
    static bool IsConflictCopy(const std::string& fileName);

    void SetFileSystem(toolbox::FileSystem& fileSystem) { files = &fileSystem; }

private:
    struct Seen
    {
        uintmax_t size = 0;
        int64_t modified = 0;
    };

    std::string path;
    std::string device;
    toolbox::FileSystem* files;
    std::map<std::string, Seen> seen;
    // The own journal as the last catching up left it.
    std::optional<Seen> ownSeen;
    std::optional<toolbox::FileResult> problem;
};
