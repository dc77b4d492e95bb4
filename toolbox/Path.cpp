#include "toolbox/Path.h"

#include "toolbox/Exception.h"
#include "toolbox/Places.h"

#include <cstring>
#include <string_view>

namespace toolbox
{

namespace
{

// The length of the root at the start of a Windows path text.
size_t WindowsRootLength(std::string_view text)
{
    if (text.starts_with("\\\\"))
    {
        size_t server = text.find('\\', 2);
        if (server == std::string_view::npos)
            return text.size();
        size_t share = text.find('\\', server + 1);
        return share == std::string_view::npos ? text.size() : share + 1;
    }
    if (text.starts_with("::"))
    {
        size_t end = text.find('\\', 2);
        return end == std::string_view::npos ? text.size() : end + 1;
    }
    size_t colon = text.find(':');
    if (colon != std::string_view::npos)
    {
        bool driveRoot =
            colon + 1 < text.size() && text[colon + 1] == '\\' && text.find('\\') == colon + 1;
        return colon + (driveRoot ? 2 : 1);
    }
    return text.starts_with('\\') ? 1 : 0;
}

} // namespace

Path::Style Path::SystemStyle()
{
#ifdef _WIN32
    return Style::Windows;
#else
    return Style::Posix;
#endif
}

Path::Path(Style style) : style(style) {}

Path::Path(const char* text, Style style) : style(style)
{
    ParseText(text);
}

Path::Path(const Path& other) : style(other.style)
{
    SetRoot(other.root.c_str());
    for (const String* component : other.components)
        Append(component->c_str());
}

Path& Path::operator=(const Path& other)
{
    if (this != &other)
    {
        style = other.style;
        SetRoot(other.root.c_str());
        components.Clear();
        for (const String* component : other.components)
            Append(component->c_str());
    }
    return *this;
}

Path Path::Parse(const char* text, Style style)
{
    return Path(text, style);
}

void Path::ParseText(const char* text)
{
    std::string_view view(text != nullptr ? text : ""); // no text is the empty text
    size_t rootLength;
    if (style == Style::Windows)
        rootLength = WindowsRootLength(view);
    else
        rootLength = view.starts_with('/') ? 1 : 0;
    SetRoot(std::string(view.substr(0, rootLength)).c_str());

    components.Clear();
    const char separator = Separator();
    size_t start = rootLength;
    while (start < view.size())
    {
        size_t end = view.find(separator, start);
        if (end == std::string_view::npos)
            end = view.size();
        if (end > start)
            Append(std::string(view.substr(start, end - start)).c_str());
        start = end + 1;
    }
}

void Path::SetRoot(const char* text)
{
    std::string_view view(text != nullptr ? text : "");
    if (style == Style::Posix)
    {
        root.Set(text);
        return;
    }
    if (view == "\\\\?" || view == "\\\\?\\" || view == "\\\\.\\")
    {
        root.Set("\\\\.");
        return;
    }
    root.Set(text);
    if (!view.starts_with("\\\\"))
        return;
    // A UNC root names a share when a backslash inside it separates server and share; a share
    // root ends with a backslash and a server root does not. The two leading backslashes are
    // the prefix, never a trailing separator.
    size_t inner = view.find('\\', 2);
    bool share = inner != std::string_view::npos && inner != view.size() - 1;
    bool trailing = view.size() > 2 && view.back() == '\\';
    if (share && !trailing)
        root.Append('\\');
    else if (!share && trailing)
        root.CutLast(1);
}

void Path::Append(const char* component)
{
    components.Append(std::make_unique<String>(component));
}

const String* Path::GetLast() const
{
    return components.Last();
}

std::unique_ptr<String> Path::TakeLast()
{
    return components.RemoveLast();
}

bool Path::RemoveLast()
{
    return components.RemoveLast() != nullptr;
}

String Path::ToString(bool trailingSeparator) const
{
    String text(root);
    const char separator = Separator();
    for (int i = 0; i < components.Count(); ++i)
    {
        if (i > 0)
            text.Append(separator);
        text.Append(components.Get(i)->c_str());
    }
    if (trailingSeparator && !components.IsEmpty())
        text.Append(separator);
    return text;
}

bool Path::CreateDirectories() const
{
    // A prefix that exists but is a file cannot hold the rest, so only directories count as
    // there; a directory made meanwhile by someone else is as good as our own.
    Path prefix(style);
    prefix.SetRoot(root.c_str());
    for (const String* component : components)
    {
        prefix.Append(component->c_str());
        if (prefix.IsDirectory())
            continue;
        if (!prefix.MakeDirectory() && !prefix.IsDirectory())
            return false;
    }
    return true;
}

bool Path::SetToSpecialFolder(SpecialFolder folder, bool create)
{
    std::optional<String> text = folder == SpecialFolder::Documents
                                     ? Places::DocumentsFolder()
                                     : Places::LocalApplicationDataFolder();
    if (!text)
        return false;
    Path found(text->c_str(), SystemStyle());
    if (!(create ? found.CreateDirectories() : found.IsDirectory()))
        return false;
    *this = found;
    return true;
}

Path Path::CreateExecutablePath()
{
    return Path(Places::ProgramPath().c_str());
}

Path Path::CreateApplicationDirectoryPath()
{
    Path directory = CreateExecutablePath();
    directory.RemoveLast();
    return directory;
}

Path Path::CreateDocumentsDirectoryPath()
{
    Path documents;
    if (documents.SetToSpecialFolder(SpecialFolder::Documents, true))
        return documents;
    return CreateApplicationDirectoryPath();
}

void Path::SetExtension(String& name, const char* extension)
{
    int dot = name.IndexOf('.');
    if (dot >= 0)
        name.Truncate(dot);
    if (extension[0] == '.')
        ++extension;
    name.Append('.');
    name.Append(extension);
}

std::optional<Path> Path::ProgramFileIn(const Path& directory, const char* extension)
{
    std::unique_ptr<String> name = CreateExecutablePath().TakeLast();
    if (!name)
        return std::nullopt;
    SetExtension(*name, extension);
    Path file(directory);
    file.Append(name->c_str());
    return file;
}

void Path::CreateApplicationLikePathInternal(Path& path, const char* extension)
{
    std::optional<Path> file = ProgramFileIn(path, extension);
    if (!file)
        throw EIllegalState("The __argv[0] does not denote a valid path",
                            "toolbox::Path::CreateApplicationLikePathInternal", __LINE__);
    path = *file;
}

Path Path::CreateApplicationLikePath(const Path& directory, const char* extension)
{
    Path path(directory);
    CreateApplicationLikePathInternal(path, extension);
    return path;
}

} // namespace toolbox
