#include "toolbox/Config.h"

#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <vector>

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

bool Config::FileWriter::Open(const char* fileName, const char* permissionsOf)
{
    file = fileSystem.OpenForWrite(fileName, permissionsOf);
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
                malformed = open.size() > maximumDepth;
                if (malformed)
                    continue;
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

Config::Found Config::Read(const char* fileName, std::string& text)
{
    errno = 0;
    FileSystem::ReadResult result =
        GuardAllocation([&] { return fileSystem->ReadWholeFile(fileName, text); });
    if (result == FileSystem::ReadResult::Missing)
        return Found::Missing;
    if (result != FileSystem::ReadResult::Read)
    {
        if (lastLoad.readError) // none kept yet: the first one is told
        {
            lastLoad.readError = FileResult::Failure("cannot read", fileName, errno);
            LogError("toolbox::Config::LoadFile", __LINE__, lastLoad.readError.Reason());
        }
        return Found::Unreadable;
    }
    return ParseFound(text);
}

Config::Found Config::ParseFound(std::string& text)
{
    // Some editors put a byte-order mark in front; the bytes after it are the file.
    const std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    // A NUL inside is what a power cut leaves in a file whose length grew before its bytes.
    if (text.find('\0', start) != std::string::npos || !Parse(text.data() + start))
    {
        Clear();
        return Found::Damaged;
    }
    if (root->Sections().Count() == 0 && root->Parameters().Count() == 0)
        return Found::Empty;
    for (const std::string& name : everySave)
        if (root->Sections().Get(name.c_str()) == nullptr)
            return Found::Partial;
    return Found::Whole;
}

std::string Config::KeepAside(const std::string& fileName)
{
    std::string bad = WithSuffix(fileName.c_str(), ".bad");
    // Renamed rather than copied: the next two saves would otherwise rotate it away.
    bool kept = fileSystem->Rename(fileName.c_str(), bad.c_str()) &&
                fileSystem->SyncFolder(fileName.c_str());
    LogError("toolbox::Config::LoadFile", __LINE__,
             "The configuration file " + fileName +
                 (kept ? " cannot be read; it is kept as " + bad
                       : " cannot be read, nor can it be kept as " + bad));
    return kept ? bad : std::string();
}

bool Config::LoadFile(const char* fileName, bool readOnly)
{
    lastLoad = LoadReport();
    const std::string old = WithSuffix(fileName, ".old");
    std::string fileText;
    const Found file = Read(fileName, fileText);
    Found copy = Found::Missing;
    std::string oldText;
    if (file != Found::Whole)
        copy = Read(old.c_str(), oldText);

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
    if (loaded == fileName && file != Found::Whole)
        ParseFound(fileText); // the ".old" copy was read last

    if (!readOnly)
    {
        if (loaded != fileName && file != Found::Missing && file != Found::Unreadable)
            lastLoad.keptAside = KeepAside(fileName);
        if (loaded != old && copy == Found::Damaged)
            lastLoad.oldKeptAside = KeepAside(old);
        notLoadedFrom = loaded == fileName ? std::string() : fileName;
    }
    lastLoad.loaded = loaded;
    return !loaded.empty();
}

FileResult Config::SaveFile(const char* name)
{
    NotifyConfigurables(true);
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
    errno = 0;
    FileWriter writer(*fileSystem);
    if (!writer.Open(newName.c_str(), fileName.c_str()))
        return failed("cannot create", newName);
    // The new content must be whole and on the disk before any name changes; until then the
    // file and its ".old" copy stay as they were.
    if (!root->Write(writer, 0) || !writer.Flush())
        return failed("cannot write", newName);
    if (!writer.Sync() || !writer.Close())
        return failed("cannot write to the disk", newName);
    const bool exists = fileSystem->Exists(fileName.c_str());
    if (exists && fileName == fileSystem->Resolve(notLoadedFrom.c_str()))
    {
        // The data did not come from this file: it must not replace the ".old" copy it came
        // from, and it is kept for the user instead of being overwritten.
        const std::string bad = WithSuffix(fileName.c_str(), ".bad");
        if (!fileSystem->Rename(fileName.c_str(), bad.c_str()))
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
