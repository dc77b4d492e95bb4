#pragma once

#include "toolbox/ArrayList.h"
#include "toolbox/String.h"

#include <memory>
#include <optional>

namespace toolbox
{

// A file-system path as a root and a list of components, parsed from text, edited component by
// component and turned back into text. Windows paths (backslash, drive, UNC, "::" and device
// roots) and POSIX paths ("/" or no root) follow different rules, so parsing takes the style;
// the default is the one of the system the program runs on.
class Path
{
public:
    enum class Style
    {
        Windows,
        Posix
    };

    // The style of the system the program runs on.
    static Style SystemStyle();

    // The well-known folders of the user.
    enum class SpecialFolder
    {
        LocalApplicationData,
        Documents
    };

    explicit Path(Style style = SystemStyle());
    explicit Path(const char* text, Style style = SystemStyle());
    // Copies are deep; a path is a few short texts, so moving is copying.
    Path(const Path& other);
    Path& operator=(const Path& other);

    static Path Parse(const char* text, Style style);

    char Separator() const { return style == Style::Windows ? '\\' : '/'; }
    const String& GetRoot() const { return root; }
    int Count() const { return components.Count(); }
    const String* Get(int index) const { return components.Get(index); }

    void SetRoot(const char* text);
    void Append(const char* component);
    const String* GetLast() const;
    std::unique_ptr<String> TakeLast();
    bool RemoveLast();
    String ToString(bool trailingSeparator) const;

    // File-system queries on ToString(false); failures are false, never exceptions.
    bool Exists() const;
    bool IsDirectory() const;
    bool MakeDirectory() const;
    bool CreateDirectories() const;

    // Takes the value of a well-known folder, which must exist or, with create, be made.
    // False, and this path unchanged, when the folder cannot be found or made.
    bool SetToSpecialFolder(SpecialFolder folder, bool create);

    static Path CreateExecutablePath();
    static Path CreateApplicationDirectoryPath();
    static Path CreateDocumentsDirectoryPath();

    // Cuts the name at its first "." and gives it the extension, with or without its dot.
    static void SetExtension(String& name, const char* extension);

    // directory/program.extension, the program's file name cut at its first "."; none when
    // the program path has no file name.
    static std::optional<Path> ProgramFileIn(const Path& directory, const char* extension);
    // Appends the program's file name with the extension to path; EIllegalState when the
    // program path has no file name.
    static void CreateApplicationLikePathInternal(Path& path, const char* extension);
    static Path CreateApplicationLikePath(const Path& directory, const char* extension);

private:
    void ParseText(const char* text);

    Style style;
    String root;
    ArrayList<String> components;
};

} // namespace toolbox
