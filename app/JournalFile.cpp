#include "app/JournalFile.h"

#include "toolbox/DataFilePermissions.h"
#include "toolbox/Logger.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Report("JournalFile", line, toolbox::Logger::kLevelWarn, text);
}

bool WriteAll(int file, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<size_t>(count);
    }
    return true;
}

// A line cut short by a crash must not swallow the next entry: it is ended first (hence the
// file is opened for reading too).
bool EndsMidLine(int file)
{
    struct stat status;
    if (::fstat(file, &status) != 0 || status.st_size == 0)
        return false;
    char last = '\n';
    return ::pread(file, &last, 1, status.st_size - 1) == 1 && last != '\n';
}

// The entries of the lines in text; the first line has the number given (0: not known).
std::vector<JournalEntry> EntriesOf(std::istream& text, int firstNumber, const std::string& path)
{
    std::vector<JournalEntry> entries;
    std::string line;
    for (int number = firstNumber; std::getline(text, line); number += firstNumber > 0 ? 1 : 0)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        if (auto entry = JournalEntry::Parse(line))
            entries.push_back(std::move(*entry));
        else
            Warn(__LINE__, "Skipped the damaged journal line " +
                               (number > 0 ? std::to_string(number) : "near the end") + " in " +
                               path);
    }
    return entries;
}

// Where the last line starting with the prefix begins in text, the first line counting when
// it is the file's first.
std::optional<size_t> LastLineStarting(const std::string& text, const std::string& prefix,
                                       bool startsFile)
{
    const size_t found = text.rfind('\n' + prefix);
    if (found != std::string::npos)
        return found + 1;
    if (startsFile && text.starts_with(prefix))
        return 0;
    return std::nullopt;
}

} // namespace

bool JournalFile::Append(const JournalEntry& entry) const
{
    // The journal holds what the data file holds, and is closed to whom the data file is.
    const int file = toolbox::DataFilePermissions::Open(
        path, O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC,
        std::filesystem::path(path).replace_extension("cfg").string());
    if (file < 0)
    {
        Warn(__LINE__, "Cannot open the journal " + path + ": " + std::strerror(errno));
        return false;
    }
    std::string bytes = entry.Format();
    if (EndsMidLine(file))
        bytes.insert(0, "\r\n");
    bool written = WriteAll(file, bytes) && ::fsync(file) == 0;
    const int error = errno;
    written = ::close(file) == 0 && written;
    if (!written)
        Warn(__LINE__, "Cannot write the journal " + path + ": " + std::strerror(error));
    return written;
}

std::vector<JournalEntry> JournalFile::ReadAll() const
{
    std::ifstream file(path, std::ios::binary);
    return EntriesOf(file, 1, path);
}

std::vector<JournalEntry> JournalFile::ReadFromLast(const std::string& kind) const
{
    constexpr std::streamoff kBlock = 64 * 1024;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    std::streamoff position = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::string tail;
    std::optional<size_t> start;
    while (!start && position > 0)
    {
        const std::streamoff count = std::min(kBlock, position);
        position -= count;
        std::string block(static_cast<size_t>(count), '\0');
        file.seekg(position);
        file.read(block.data(), count);
        tail.insert(0, block);
        start = LastLineStarting(tail, kind + '\t', position == 0);
    }
    std::istringstream lines(tail.substr(start.value_or(0)));
    return EntriesOf(lines, 0, path);
}
