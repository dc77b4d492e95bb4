#include "app/journal/JournalFile.h"

#include "toolbox/DataFilePermissions.h"
#include "toolbox/Logger.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace
{

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Report("JournalFile", line, toolbox::Logger::kLevelWarn, text);
}

// A line cut short by a crash must not swallow the next entry: it is ended first.
bool EndsMidLine(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file || file.tellg() <= 0)
        return false;
    file.seekg(-1, std::ios::end);
    return file.get() != '\n';
}

// A books entry's note holds the whole books, megabytes with many todos: a reader that only
// counts or orders entries takes it without them.
void LeaveOutBooks(std::string& line)
{
    constexpr int kFieldsBeforeNote = 8;
    size_t noteStart = 0;
    for (int field = 0; field < kFieldsBeforeNote; ++field)
    {
        const size_t tab = line.find('\t', noteStart);
        if (tab == std::string::npos)
            return;
        noteStart = tab + 1;
    }
    const size_t noteEnd = std::min(line.find('\t', noteStart), line.size());
    line.erase(noteStart, noteEnd - noteStart);
}

// The entries of the lines in text; the first line has the number given (0: not known). The
// progress of sessions and the content of books entries only where asked for; with a moment
// given, only the entries plausible then.
std::vector<JournalEntry> EntriesOf(std::istream& text, int firstNumber, const std::string& path,
                                    bool withProgress, bool withBooks,
                                    std::optional<int64_t> now = std::nullopt)
{
    const std::string progress = std::string(JournalKind::progress) + '\t';
    const std::string books = std::string(JournalKind::books) + '\t';
    std::vector<JournalEntry> entries;
    std::string line;
    for (int number = firstNumber; std::getline(text, line); number += firstNumber > 0 ? 1 : 0)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#' || (!withProgress && line.starts_with(progress)))
            continue;
        if (!withBooks && line.starts_with(books))
            LeaveOutBooks(line);
        const std::string where =
            (number > 0 ? std::to_string(number) : "near the end") + " in " + path;
        std::optional<JournalEntry> entry = JournalEntry::Parse(line);
        if (!entry)
            Warn(__LINE__, "Skipped the damaged journal line " + where);
        else if (now && !entry->IsPlausible(*now))
            Warn(__LINE__, "Skipped the journal line " + where + ": its times cannot be true");
        else
            entries.push_back(std::move(*entry));
    }
    return entries;
}

// Where the last line starting with the prefix begins in the file, read backwards a block at
// a time: each block is searched once, with the few bytes of the block after it that a line
// start found at its end needs. Nothing when no line starts with it.
std::optional<std::streamoff> LastLineStarting(std::ifstream& file, const std::string& prefix)
{
    constexpr std::streamoff kBlock = 64 * 1024;
    const std::string lineStart = '\n' + prefix;
    file.seekg(0, std::ios::end);
    std::streamoff position = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::string after;
    while (position > 0)
    {
        const std::streamoff count = std::min(kBlock, position);
        position -= count;
        std::string block(static_cast<size_t>(count), '\0');
        file.seekg(position);
        file.read(block.data(), count);
        const std::string head = block.substr(0, prefix.size());
        block += after;
        const size_t found = block.rfind(lineStart);
        if (found != std::string::npos)
            return position + static_cast<std::streamoff>(found) + 1;
        if (position == 0 && block.starts_with(prefix))
            return 0;
        after = head;
    }
    return std::nullopt;
}

} // namespace

toolbox::FileResult JournalFile::Append(const JournalEntry& entry) const
{
    std::string bytes = entry.Format();
    if (EndsMidLine(path))
        bytes.insert(0, "\r\n");
    // The journal holds what the data file holds, and is closed to whom the data file is.
    const std::string dataFile = std::filesystem::path(path).replace_extension("cfg").string();
    if (files->Append(path.c_str(), bytes, dataFile.c_str()))
        return {};
    const int error = errno;
    Warn(__LINE__, "Cannot write the journal " + path + ": " + std::strerror(error));
    return toolbox::FileResult::Failure("cannot write", path, error);
}

std::vector<JournalEntry> JournalFile::ReadAll() const
{
    std::ifstream file(path, std::ios::binary);
    return EntriesOf(file, 1, path, false, false);
}

std::vector<JournalEntry> JournalFile::ReadComplete() const
{
    std::ifstream file(path, std::ios::binary);
    return EntriesOf(file, 1, path, true, true);
}

std::vector<JournalEntry> JournalFile::ReadPlausible(int64_t now) const
{
    std::ifstream file(path, std::ios::binary);
    return EntriesOf(file, 1, path, false, false, now);
}

std::vector<JournalEntry> JournalFile::ReadFromLast(const std::string& kind) const
{
    std::ifstream file(path, std::ios::binary);
    const std::streamoff start = LastLineStarting(file, kind + '\t').value_or(0);
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff end = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::string tail(static_cast<size_t>(std::max<std::streamoff>(end - start, 0)), '\0');
    file.seekg(start);
    file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    std::istringstream lines(tail);
    return EntriesOf(lines, 0, path, true, false);
}

std::optional<JournalEntry> JournalFile::ReadLast() const
{
    constexpr std::streamoff kBlock = 64 * 1024;
    std::ifstream file(path, std::ios::binary);
    file.seekg(0, std::ios::end);
    std::streamoff position = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    // Back a block at a time until a line end stands before the last line's text. Each block
    // is searched once and the blocks are joined once: the last line may be the whole books.
    std::vector<std::string> blocks;
    bool textSeen = false;
    bool lineEndSeen = false;
    while (position > 0 && !lineEndSeen)
    {
        const std::streamoff count = std::min(kBlock, position);
        position -= count;
        std::string block(static_cast<size_t>(count), '\0');
        file.seekg(position);
        file.read(block.data(), count);
        for (size_t i = block.size(); i-- > 0 && !lineEndSeen;)
        {
            const bool lineEnd = block[i] == '\r' || block[i] == '\n';
            lineEndSeen = textSeen && block[i] == '\n';
            textSeen = textSeen || !lineEnd;
        }
        blocks.push_back(std::move(block));
    }
    std::string tail;
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block)
        tail += *block;
    std::istringstream lines(tail);
    std::vector<JournalEntry> entries = EntriesOf(lines, 0, path, true, false);
    if (entries.empty())
        return std::nullopt;
    return std::move(entries.back());
}
