#include "toolbox/Config.h"

#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace toolbox
{

namespace
{

ConfigLogHook logHook = nullptr;

void LogError(int line, const std::string& text)
{
    if (logHook != nullptr)
        logHook("toolbox::Config::LoadFile", line, 4, text.c_str());
}

// The bytes a reader skips around tags and values.
bool IsLayout(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f';
}

// Whether the byte at position is escaped: it follows an odd run of backslashes.
bool IsEscaped(const char* begin, const char* position)
{
    std::size_t backslashes = 0;
    while (position > begin && position[-1] == '\\')
    {
        --position;
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

void Unescape(const char* begin, const char* end, std::string& out)
{
    out.clear();
    for (const char* p = begin; p < end; ++p)
    {
        if (*p != '\\' || p + 1 == end)
        {
            out += *p;
            continue;
        }
        switch (*++p)
        {
        case '0':
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            out += *p;
            break;
        }
    }
}

// The escape of a byte, or nullptr when the byte is written as it is.
const char* EscapeOf(char c)
{
    switch (c)
    {
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\f':
        return "\\f";
    case '\r':
        return "\\r";
    case '\\':
        return "\\\\";
    case '<':
        return "\\<";
    case '>':
        return "\\>";
    case '/':
        return "\\/";
    default:
        return nullptr;
    }
}

bool WriteEscapedText(Config::Writer& writer, const char* text, bool keepEdgeSpaces)
{
    if (*text == '\0')
        return writer.WriteString("\\0");
    std::size_t length = std::strlen(text);
    bool plain = !(keepEdgeSpaces && (text[0] == ' ' || text[length - 1] == ' '));
    for (std::size_t i = 0; plain && i < length; ++i)
        plain = EscapeOf(text[i]) == nullptr;
    if (plain)
        return writer.WriteString(text);
    for (std::size_t i = 0; i < length; ++i)
    {
        const char* escape = EscapeOf(text[i]);
        if (escape == nullptr && keepEdgeSpaces && text[i] == ' ' && (i == 0 || i + 1 == length))
            escape = "\\ ";
        if (escape != nullptr ? !writer.WriteString(escape) : !writer.WriteChar(text[i]))
            return false;
    }
    return true;
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

bool Config::Writer::WriteEscaped(const char* text)
{
    return WriteEscapedText(*this, text, false);
}

bool Config::Writer::WriteEscapedValue(const char* text)
{
    return WriteEscapedText(*this, text, true);
}

Config::FileWriter::FileWriter(FileSystem& files) : fileSystem(files) {}

Config::FileWriter::~FileWriter() = default;

bool Config::FileWriter::Open(const char* fileName)
{
    file = fileSystem.OpenForWrite(fileName);
    return file != nullptr;
}

bool Config::FileWriter::WriteString(const char* text)
{
    if (file == nullptr)
        return false;
    for (;;)
    {
        const char* lineEnd = std::strchr(text, '\n');
        if (lineEnd == nullptr)
            return file->Write(text, std::strlen(text));
        if (!file->Write(text, static_cast<std::size_t>(lineEnd - text)) || !file->Write("\r\n", 2))
            return false;
        text = lineEnd + 1;
    }
}

bool Config::FileWriter::WriteChar(char c)
{
    if (file == nullptr)
        return false;
    return c == '\n' ? file->Write("\r\n", 2) : file->Write(&c, 1);
}

bool Config::FileWriter::Flush()
{
    return file != nullptr && file->Flush();
}

bool Config::FileWriter::Sync()
{
    return file != nullptr && file->Sync();
}

bool Config::FileWriter::Close()
{
    if (file == nullptr)
        return false;
    bool closed = file->Close();
    file.reset();
    return closed;
}

Config::Config()
{
    root = GuardAllocation([] { return std::make_unique<ConfigSection>("Root"); });
}

Config::~Config()
{
    configurables.Clear();
}

void Config::Clear()
{
    root->RemoveAllParameters();
    root->RemoveAllSections();
}

void Config::NotifyConfigurables(bool saving)
{
    PointeredList<const char> names = configurables.Keys();
    for (const char* name : names)
        configurables.Get(name)->Configure(root->GetSection(name), saving);
}

bool Config::Parse(char* text)
{
    Clear();
    try
    {
        std::vector<ConfigSection*> open{root.get()};
        // The top section got a value: it is really a parameter of the section below it.
        bool pending = false;
        bool malformed = false;
        std::string name;
        const char* position = text;
        while (!malformed && *position != '\0')
        {
            const char* begin = position;
            const char* end = *position == '<' ? position + 1 : position;
            while (*end != '\0' && *end != '<' && *end != '>')
                end += *end == '\\' && end[1] != '\0' ? 2 : 1;
            if (*end == '>')
                ++end;
            position = end;

            while (begin < end && IsLayout(*begin))
                ++begin;
            // An escaped space at the end belongs to the value.
            while (end > begin && IsLayout(end[-1]) &&
                   !(end[-1] == ' ' && IsEscaped(begin, end - 1)))
                --end;
            std::size_t length = static_cast<std::size_t>(end - begin);
            if (length == 0)
                continue;

            ConfigSection& top = *open.back();
            if (length >= 3 && begin[0] == '<' && begin[1] == '/' && end[-1] == '>')
            {
                Unescape(begin + 2, end - 1, name);
                malformed = open.size() == 1 || (!name.empty() && name != top.GetName());
                if (malformed)
                    continue;
                open.pop_back();
                if (pending)
                {
                    name = top.GetName();
                    open.back()->RemoveSection(name.c_str());
                    pending = false;
                }
            }
            else if (length >= 2 && begin[0] == '<' && end[-1] == '>')
            {
                Unescape(begin + 1, end - 1, name);
                open.push_back(&top.GetSection(name.c_str()));
            }
            else
            {
                malformed = open.size() == 1;
                if (malformed)
                    continue;
                Unescape(begin, end, name);
                open[open.size() - 2]->GetParameter(top.GetName()).SetString(name.c_str());
                pending = true;
            }
        }
        if (malformed || open.size() != 1)
        {
            Clear();
            return false;
        }
    }
    catch (const std::bad_alloc&)
    {
        Clear();
        throw EOutOfMemory();
    }
    catch (...)
    {
        Clear();
        throw;
    }
    NotifyConfigurables(false);
    return true;
}

bool Config::LoadReadable(const char* fileName, bool& opened)
{
    std::string text;
    FileSystem::ReadResult result =
        GuardAllocation([&] { return fileSystem->ReadWholeFile(fileName, text); });
    opened = result != FileSystem::ReadResult::CannotOpen;
    if (result == FileSystem::ReadResult::Read)
        return Parse(text.data());
    if (opened)
        Clear();
    return false;
}

void Config::KeepAside(const char* fileName)
{
    std::string bad = WithSuffix(fileName, ".bad");
    // Renamed rather than copied: the next two saves would otherwise rotate it away.
    bool kept = fileSystem->Rename(fileName, bad.c_str()) && fileSystem->SyncFolder(fileName);
    LogError(__LINE__, "The configuration file " + std::string(fileName) +
                           (kept ? " cannot be read; it is kept as " + bad
                                 : " cannot be read, nor can it be kept as " + bad));
}

bool Config::LoadFile(const char* fileName)
{
    bool opened = false;
    if (LoadReadable(fileName, opened))
        return true;
    if (opened)
        KeepAside(fileName);
    std::string old = WithSuffix(fileName, ".old");
    return LoadReadable(old.c_str(), opened);
}

bool Config::SaveFile(const char* fileName)
{
    NotifyConfigurables(true);
    std::string newName = WithSuffix(fileName, ".new");
    std::string oldName = WithSuffix(fileName, ".old");
    FileWriter writer(*fileSystem);
    if (!writer.Open(newName.c_str()))
        return false;
    // The new content must be whole and on the disk before any name changes; until then the
    // file and its ".old" copy stay as they were.
    if (!root->Write(writer, 0) || !writer.Flush() || !writer.Sync() || !writer.Close())
        return false;
    // The file becomes ".old" under a second name while it keeps its own, and the new content
    // then replaces it in one step: the file never goes missing, not for a moment, so neither
    // another program reading it nor a power cut finds it absent. Where the file system has no
    // second names, the file is renamed to ".old" instead, and a cut between the two renames
    // leaves the ".old" copy for the next start to load.
    if (fileSystem->Exists(fileName) && !fileSystem->Link(fileName, oldName.c_str()) &&
        !fileSystem->Rename(fileName, oldName.c_str()))
        return false;
    if (!fileSystem->Rename(newName.c_str(), fileName))
        return false;
    return fileSystem->SyncFolder(fileName);
}

} // namespace toolbox
