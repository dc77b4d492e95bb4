#include "toolbox/Places.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace toolbox
{

namespace
{

std::optional<String>& ProgramPathRedirection()
{
    static std::optional<String> path;
    return path;
}

std::optional<std::vector<String>>& ArgumentsRedirection()
{
    static std::optional<std::vector<String>> arguments;
    return arguments;
}

std::optional<String>& DataFolderRedirection()
{
    static std::optional<String> folder;
    return folder;
}

std::optional<String>& DocumentsRedirection()
{
    static std::optional<String> folder;
    return folder;
}

// Reads a whole file of the proc file system, whose size stat cannot tell.
std::string ReadWholeFile(const char* name)
{
    std::string bytes;
    FILE* file = std::fopen(name, "rb");
    if (file == nullptr)
        return bytes;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    std::fclose(file);
    return bytes;
}

std::optional<String> ReadExecutableLink()
{
    std::string buffer(256, '\0');
    for (;;)
    {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0)
            return std::nullopt;
        if (static_cast<size_t>(length) < buffer.size())
            return String(buffer.substr(0, static_cast<size_t>(length)).c_str());
        buffer.resize(buffer.size() * 2);
    }
}

// An environment variable that holds an absolute path; XDG ignores relative ones.
std::optional<String> AbsoluteFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return std::nullopt;
    return String(value);
}

std::optional<String> HomeFolder()
{
    if (auto home = AbsoluteFromEnvironment("HOME"))
        return home;
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return String(found->pw_dir);
    return std::nullopt;
}

// The documents line of user-dirs.dirs, written by xdg-user-dirs as
// XDG_DOCUMENTS_DIR="$HOME/Documents" or with an absolute path.
std::optional<String> DocumentsFromUserDirs(const String& home)
{
    String configFolder;
    if (auto config = AbsoluteFromEnvironment("XDG_CONFIG_HOME"))
        configFolder = *config;
    else
        configFolder = String(home).Append("/.config");
    std::string text = ReadWholeFile(configFolder.Append("/user-dirs.dirs").c_str());

    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    size_t lineStart = 0;
    while (lineStart < text.size())
    {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        std::string line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value;
        for (size_t i = key.size(); i < line.size() && line[i] != '"'; ++i)
        {
            if (line[i] == '\\' && i + 1 < line.size())
                ++i;
            value += line[i];
        }
        if (value.compare(0, 5, "$HOME") == 0)
            return String(home).Append(value.c_str() + 5);
        if (!value.empty() && value[0] == '/')
            return String(value.c_str());
    }
    return std::nullopt;
}

} // namespace

String Places::ProgramPath()
{
    if (ProgramPathRedirection())
        return *ProgramPathRedirection();
    // Read once: once the program file is replaced while it runs (an upgrade, a rebuild), the
    // system names it ".../tallydene (deleted)", and the data would follow that name.
    static const String fixed = []
    {
        if (auto link = ReadExecutableLink())
            return *link;
        std::vector<String> arguments = Arguments();
        return arguments.empty() ? String() : arguments.front();
    }();
    return fixed;
}

std::vector<String> Places::Arguments()
{
    if (ArgumentsRedirection())
        return *ArgumentsRedirection();
    std::vector<String> arguments;
    std::string bytes = ReadWholeFile("/proc/self/cmdline");
    // Every argument ends with a NUL, so the last one is followed by nothing.
    size_t start = 0;
    while (start < bytes.size())
    {
        size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            end = bytes.size();
        arguments.emplace_back(bytes.substr(start, end - start).c_str());
        start = end + 1;
    }
    return arguments;
}

std::optional<String> Places::LocalApplicationDataFolder()
{
    if (DataFolderRedirection())
        return DataFolderRedirection();
    if (auto data = AbsoluteFromEnvironment("XDG_DATA_HOME"))
        return data;
    if (auto home = HomeFolder())
        return home->Append("/.local/share");
    return std::nullopt;
}

std::optional<String> Places::DocumentsFolder()
{
    if (DocumentsRedirection())
        return DocumentsRedirection();
    if (auto documents = AbsoluteFromEnvironment("XDG_DOCUMENTS_DIR"))
        return documents;
    auto home = HomeFolder();
    if (!home)
        return std::nullopt;
    if (auto documents = DocumentsFromUserDirs(*home))
        return documents;
    return home;
}

void Places::SetProgramPath(std::optional<String> path)
{
    ProgramPathRedirection() = std::move(path);
}

void Places::SetArguments(std::optional<std::vector<String>> arguments)
{
    ArgumentsRedirection() = std::move(arguments);
}

void Places::SetFolders(std::optional<String> localApplicationData,
                        std::optional<String> documents)
{
    DataFolderRedirection() = std::move(localApplicationData);
    DocumentsRedirection() = std::move(documents);
}

std::string Places::MachineName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

std::string Places::MachineId()
{
    for (const char* file : {"/etc/machine-id", "/var/lib/dbus/machine-id"})
    {
        std::string id = ReadWholeFile(file);
        id.erase(std::min(id.find('\n'), id.size()));
        if (!id.empty())
            return id;
    }
    return {};
}

} // namespace toolbox
