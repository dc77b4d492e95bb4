#include "app/JournalFile.h"

#include "toolbox/Logger.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

void Warn(int line, const std::string& text)
{
    toolbox::Logger::Report("JournalFile", line, toolbox::Logger::LevelWarn, text);
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

} // namespace

bool JournalFile::Append(const JournalEntry& entry) const
{
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
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
    std::vector<JournalEntry> entries;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        if (auto entry = JournalEntry::Parse(line))
            entries.push_back(std::move(*entry));
        else
            Warn(__LINE__,
                 "Skipped the damaged journal line " + std::to_string(number) + " in " + path);
    }
    return entries;
}
