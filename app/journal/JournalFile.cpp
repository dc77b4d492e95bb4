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
#include <string_view>

namespace
{

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Report("JournalFile", line, toolbox::Logger::kLevelWarn, text);
}

constexpr std::streamoff kBlock = 64 * 1024;

std::string ReadSpan(std::ifstream& file, std::streamoff from, std::streamoff to)
{
    std::string text(static_cast<size_t>(std::max<std::streamoff>(to - from, 0)), '\0');
    file.clear();
    file.seekg(from);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return text;
}

// Where the nth tab of the text stands, counted from its start or from its end; npos when the
// text has fewer.
size_t NthTab(const std::string& text, int n)
{
    size_t at = std::string::npos;
    for (int found = 0; found < n; ++found)
    {
        at = text.find('\t', at == std::string::npos ? 0 : at + 1);
        if (at == std::string::npos)
            break;
    }
    return at;
}

size_t NthTabFromEnd(const std::string& text, int n)
{
    size_t at = text.size();
    for (int found = 0; found < n && at != std::string::npos; ++found)
        at = at == 0 ? std::string::npos : text.rfind('\t', at - 1);
    return at;
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
    const size_t noteStart = NthTab(line, 8);
    if (noteStart == std::string::npos)
        return;
    const size_t noteEnd = std::min(line.find('\t', noteStart + 1), line.size());
    line.erase(noteStart + 1, noteEnd - noteStart - 1);
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
    for (int number = firstNumber; withBooks ? static_cast<bool>(std::getline(text, line))
                                             : ReadLineWithoutBooks(text, line) > 0;
         number += firstNumber > 0 ? 1 : 0)
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

// The first c in [begin, end), or end. A block of the books' note has neither tab nor line end.
const char* FirstOf(const char* begin, const char* end, char c)
{
    const void* found = std::memchr(begin, c, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : end;
}

// The place of the last line end in the first size bytes of text, or npos.
size_t LastLineEnd(const char* text, size_t size)
{
#ifdef __GLIBC__
    const void* found = memrchr(text, '\n', size);
    return found ? static_cast<size_t>(static_cast<const char*>(found) - text) : std::string::npos;
#else
    return std::string_view(text, size).rfind('\n');
#endif
}

// Where the last line starting with the prefix begins in the file, read backwards a block at
// a time: each block is searched once, with the few bytes of the block after it that a line
// start found at its end needs. Nothing when no line starts with it.
std::optional<std::streamoff> LastLineStarting(std::ifstream& file, const std::string& prefix)
{
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
        // Line ends are few where the books' long line passes: look for them, not the text.
        for (size_t end = static_cast<size_t>(count); end > 0;)
        {
            end = LastLineEnd(block.data(), end);
            if (end == std::string::npos)
                break;
            if (block.compare(end + 1, prefix.size(), prefix) == 0)
                return position + static_cast<std::streamoff>(end) + 1;
        }
        if (position == 0 && block.starts_with(prefix))
            return 0;
        after = head;
    }
    return std::nullopt;
}

// Where the last line with text starts and where its text ends (line ends after it left out),
// read backwards a block at a time. Nothing when the file holds no text.
std::optional<std::pair<std::streamoff, std::streamoff>> LastLineSpan(std::ifstream& file)
{
    file.seekg(0, std::ios::end);
    std::streamoff position = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::optional<std::streamoff> end;
    std::string block;
    while (position > 0)
    {
        const std::streamoff count = std::min(kBlock, position);
        position -= count;
        block = ReadSpan(file, position, position + count);
        size_t searched = block.size();
        if (!end)
        {
            const size_t text = block.find_last_not_of("\r\n");
            if (text == std::string::npos)
                continue;
            end = position + static_cast<std::streamoff>(text) + 1;
            searched = text;
        }
        if (const size_t lineEnd = LastLineEnd(block.data(), std::min(searched + 1, block.size()));
            lineEnd != std::string::npos)
            return std::pair{position + static_cast<std::streamoff>(lineEnd) + 1, *end};
    }
    if (end)
        return std::pair{std::streamoff{0}, *end};
    return std::nullopt;
}

} // namespace

std::streamsize ReadLineWithoutBooks(std::istream& in, std::string& line)
{
    const std::string books = std::string(JournalKind::books) + '\t';
    const auto plainLine = [&]
    {
        if (!std::getline(in, line))
            return std::streamsize{0};
        return static_cast<std::streamsize>(line.size()) + (in.eof() ? 0 : 1);
    };
    const auto wholeLine = [&](std::istream::pos_type from)
    {
        in.clear();
        in.seekg(from);
        return plainLine();
    };
    if (in.peek() != books.front())
        return plainLine();
    const std::istream::pos_type start = in.tellg();
    if (start == std::istream::pos_type(-1))
        return plainLine();
    line.assign(books.size(), '\0');
    in.read(line.data(), static_cast<std::streamsize>(books.size()));
    if (line != books)
        return wholeLine(start);
    // The fields before the note, each short; a line end among them is a damaged line, read
    // as it is.
    std::string field;
    for (int fields = 1; fields < 8; ++fields)
    {
        if (!std::getline(in, field, '\t') || field.find('\n') != std::string::npos)
            return wholeLine(start);
        line += field;
        line += '\t';
    }
    // The note ends at the next tab, or at the line's end when the line was cut short.
    std::streamsize taken = static_cast<std::streamsize>(line.size());
    char block[16 * 1024];
    for (;;)
    {
        const std::istream::pos_type at = in.tellg();
        in.read(block, sizeof block);
        const std::streamsize got = in.gcount();
        const char* const end = block + got;
        const char* const stop = std::min(FirstOf(block, end, '\t'), FirstOf(block, end, '\n'));
        taken += stop - block;
        if (stop != end)
        {
            in.clear();
            in.seekg(at + static_cast<std::streamoff>(stop - block));
            break;
        }
        if (!in)
            return taken; // the file ends in the note: eof is set as getline would
    }
    std::string rest;
    std::getline(in, rest);
    line += rest;
    return taken + static_cast<std::streamsize>(rest.size()) + (in.eof() ? 0 : 1);
}

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
    file.seekg(start);
    return EntriesOf(file, 0, path, true, false);
}

std::optional<JournalEntry> JournalFile::ReadLast() const
{
    std::ifstream file(path, std::ios::binary);
    const std::optional<std::pair<std::streamoff, std::streamoff>> span = LastLineSpan(file);
    if (!span)
        return std::nullopt;
    const auto [start, end] = *span;
    std::string line = ReadSpan(file, start, std::min(end, start + kBlock));
    if (line.size() < static_cast<size_t>(end - start))
    {
        // A line longer than a block is the books: read without the note between its first
        // fields and its last, which is most of it.
        const size_t noteStart = line.starts_with(std::string(JournalKind::books) + '\t')
                                     ? NthTab(line, 8)
                                     : std::string::npos;
        const std::streamoff tailStart = std::max(start, end - kBlock);
        const std::string tail = ReadSpan(file, tailStart, end);
        const size_t noteEnd = NthTabFromEnd(tail, 6);
        if (noteStart != std::string::npos && noteEnd != std::string::npos &&
            start + static_cast<std::streamoff>(noteStart) <
                tailStart + static_cast<std::streamoff>(noteEnd))
            line = line.substr(0, noteStart + 1) + tail.substr(noteEnd);
        else
            line = ReadSpan(file, start, end);
    }
    std::istringstream lines(line);
    std::vector<JournalEntry> entries = EntriesOf(lines, 0, path, true, false);
    if (entries.empty())
        return std::nullopt;
    return std::move(entries.back());
}
