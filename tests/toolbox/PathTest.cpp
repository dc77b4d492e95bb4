#include "toolbox/Path.h"
#include "toolbox/Exception.h"

#include "tests/support/TestPlaces.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using toolbox::Path;
using toolbox::String;

namespace
{

struct Parsed
{
    const char* text;
    const char* root;
    std::vector<std::string> components;
};

std::vector<std::string> ComponentsOf(const Path& path)
{
    std::vector<std::string> components;
    for (int i = 0; i < path.Count(); ++i)
        components.emplace_back(path.Get(i)->c_str());
    return components;
}

void ExpectParsed(const std::vector<Parsed>& cases, Path::Style style)
{
    for (const Parsed& expected : cases)
    {
        Path path = Path::Parse(expected.text, style);
        EXPECT_STREQ(path.GetRoot().c_str(), expected.root) << expected.text;
        EXPECT_EQ(ComponentsOf(path), expected.components) << expected.text;
    }
}

std::string Text(const Path& path, bool trailing = false)
{
    return path.ToString(trailing).c_str();
}

} // namespace

TEST(PathParsing, WindowsRootsAndComponents)
{
    ExpectParsed(
        {
            {"\\\\server\\share\\dir\\file.txt", "\\\\server\\share\\", {"dir", "file.txt"}},
            {"C:\\dir\\", "C:\\", {"dir"}},
            {"\\dir\\x", "\\", {"dir", "x"}},
            {"dir\\x", "", {"dir", "x"}},
            {"\\\\server\\share", "\\\\server\\share\\", {}},
            {"\\\\server\\", "\\\\server", {}},
            {"\\\\server", "\\\\server", {}},
            {"C:dir", "C:", {"dir"}},
            {"::{20D04FE0}\\Drives\\C", "::{20D04FE0}\\", {"Drives", "C"}},
            {"::{20D04FE0}", "::{20D04FE0}", {}},
            {"a/b\\c", "", {"a/b", "c"}},
            {"dir\\\\x\\\\\\", "", {"dir", "x"}},
            // The byte after the colon joins the root only when it is the first backslash.
            {"dir\\C:\\x", "dir\\C:", {"x"}},
            {"", "", {}},
        },
        Path::Style::Windows);
}

TEST(PathParsing, WindowsDeviceRootsAreNormalised)
{
    ExpectParsed(
        {
            {"\\\\?", "\\\\.", {}},
            {"\\\\?\\", "\\\\.", {}},
            {"\\\\.\\", "\\\\.", {}},
            {"\\\\?\\C:\\dir", "\\\\?\\C:\\", {"dir"}},
        },
        Path::Style::Windows);

    Path path(Path::Style::Windows);
    path.SetRoot("\\\\?\\");
    EXPECT_STREQ(path.GetRoot().c_str(), "\\\\.");
    path.SetRoot("\\\\server\\share");
    EXPECT_STREQ(path.GetRoot().c_str(), "\\\\server\\share\\");
    path.SetRoot("\\\\server\\");
    EXPECT_STREQ(path.GetRoot().c_str(), "\\\\server");
    path.SetRoot("\\\\");
    EXPECT_STREQ(path.GetRoot().c_str(), "\\\\");
    path.SetRoot("::{20D04FE0}\\");
    EXPECT_STREQ(path.GetRoot().c_str(), "::{20D04FE0}\\");
}

TEST(PathParsing, PosixRootsAndComponents)
{
    ExpectParsed(
        {
            {"/srv/share/dir/file.txt", "/", {"srv", "share", "dir", "file.txt"}},
            {"/dir/", "/", {"dir"}},
            {"dir/x", "", {"dir", "x"}},
            {"//dir///x//", "/", {"dir", "x"}},
            {"/", "/", {}},
            {"a\\b/c", "", {"a\\b", "c"}},
            {"C:\\dir", "", {"C:\\dir"}},
            {"", "", {}},
        },
        Path::Style::Posix);
}

TEST(PathText, JoinsRootAndComponentsInEachStyle)
{
    EXPECT_EQ(Text(Path("\\\\server\\share\\dir\\file.txt", Path::Style::Windows)),
              "\\\\server\\share\\dir\\file.txt");
    EXPECT_EQ(Text(Path("C:dir\\x", Path::Style::Windows)), "C:dir\\x");
    EXPECT_EQ(Text(Path("\\\\server\\", Path::Style::Windows), true), "\\\\server");
    EXPECT_EQ(Text(Path("C:\\dir", Path::Style::Windows), true), "C:\\dir\\");
    EXPECT_EQ(Text(Path("C:\\", Path::Style::Windows), true), "C:\\");
    EXPECT_EQ(Text(Path("dir\\\\x\\", Path::Style::Windows)), "dir\\x");

    EXPECT_EQ(Text(Path("/usr//lib/", Path::Style::Posix)), "/usr/lib");
    EXPECT_EQ(Text(Path("/usr/lib", Path::Style::Posix), true), "/usr/lib/");
    EXPECT_EQ(Text(Path("/", Path::Style::Posix), true), "/");
    EXPECT_EQ(Text(Path("", Path::Style::Posix), true), "");
    EXPECT_EQ(Text(Path("a/b")), "a/b"); // the system's style on this platform
}

TEST(PathEditing, LastComponentAndDeepCopies)
{
    Path path("/a/b", Path::Style::Posix);
    Path copy(path);
    path.Append("c.txt");
    ASSERT_NE(path.GetLast(), nullptr);
    EXPECT_STREQ(path.GetLast()->c_str(), "c.txt");
    EXPECT_EQ(Text(copy), "/a/b");

    std::unique_ptr<String> last = path.TakeLast();
    ASSERT_NE(last, nullptr);
    EXPECT_STREQ(last->c_str(), "c.txt");
    EXPECT_TRUE(path.RemoveLast());
    EXPECT_TRUE(path.RemoveLast());
    EXPECT_FALSE(path.RemoveLast());
    EXPECT_EQ(path.GetLast(), nullptr);
    EXPECT_EQ(path.TakeLast(), nullptr);
    EXPECT_EQ(Text(path), "/");

    copy = path;
    EXPECT_EQ(Text(copy), "/");
    path.Append("again");
    EXPECT_EQ(Text(copy), "/");

    // Appended names are not split.
    Path windows("C:\\", Path::Style::Windows);
    windows.Append("x\\y");
    EXPECT_EQ(windows.Count(), 1);
}

TEST(PathExtension, CutsAtTheFirstDot)
{
    String name("Tally.dene.exe");
    Path::SetExtension(name, "cfg");
    EXPECT_STREQ(name.c_str(), "Tally.cfg");
    name.Set("Tallydene");
    Path::SetExtension(name, ".log");
    EXPECT_STREQ(name.c_str(), "Tallydene.log");
    name.Set(".hidden");
    Path::SetExtension(name, "cfg");
    EXPECT_STREQ(name.c_str(), ".cfg");
}

TEST(PathFileSystem, CreatesDirectoriesFromTheRootOutward)
{
    TestPlaces places;
    const std::filesystem::path base = places.Root() / "a";
    Path nested((base / "b" / "c").string().c_str());
    EXPECT_FALSE(nested.Exists());
    EXPECT_TRUE(nested.CreateDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(base / "b" / "c"));
    EXPECT_TRUE(nested.CreateDirectories()); // all there already
    EXPECT_FALSE(nested.MakeDirectory());
    EXPECT_TRUE(Path().CreateDirectories());

    // Below a regular file nothing can be made, and a file is no directory.
    WriteFileBytes(base / "file", "x");
    Path blocked((base / "file" / "e").string().c_str());
    EXPECT_FALSE(blocked.CreateDirectories());
    Path fileInPlace((base / "file").string().c_str());
    EXPECT_TRUE(fileInPlace.Exists());
    EXPECT_FALSE(fileInPlace.CreateDirectories());
}

TEST(PathProgram, CompanionFilesAreNamedAfterTheProgram)
{
    TestPlaces places;
    EXPECT_EQ(Text(Path::CreateExecutablePath()), places.ProgramPath().string());
    EXPECT_EQ(Text(Path::CreateApplicationDirectoryPath()), places.ProgramFolder().string());

    Path directory((places.Root() / "data").string().c_str());
    EXPECT_EQ(Text(Path::CreateApplicationLikePath(directory, "cfg")),
              (places.Root() / "data" / "Tallydene.cfg").string());
    EXPECT_EQ(Text(directory), (places.Root() / "data").string());

    places.SetProgramPath("Tally.dene.exe");
    EXPECT_EQ(Text(Path::CreateApplicationDirectoryPath()), "");
    EXPECT_EQ(Text(Path::CreateApplicationLikePath(Path(), ".cfg")), "Tally.cfg");
}

TEST(PathProgram, ProgramFileInAFolderOrNoneWithoutAFileName)
{
    TestPlaces places;
    places.SetProgramPath((places.ProgramFolder() / "Tally.dene").string());
    const Path logs((places.Root() / "logs").string().c_str());
    const std::optional<Path> file = Path::ProgramFileIn(logs, "log");
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(Text(*file), (places.Root() / "logs" / "Tally.log").string());
    EXPECT_EQ(Text(logs), (places.Root() / "logs").string());

    for (const char* program : {"", "/"})
    {
        places.SetProgramPath(program);
        EXPECT_FALSE(Path::ProgramFileIn(logs, "log").has_value()) << '"' << program << '"';
    }
}

TEST(PathProgram, ProgramPathWithoutFileNameIsIllegalState)
{
    TestPlaces places;
    for (const char* program : {"", "/"})
    {
        places.SetProgramPath(program);
        Path path;
        try
        {
            Path::CreateApplicationLikePathInternal(path, "cfg");
            ADD_FAILURE() << "no exception for \"" << program << "\"";
        }
        catch (const toolbox::EIllegalState& failure)
        {
            EXPECT_STREQ(failure.GetMessage(), "The __argv[0] does not denote a valid path");
            EXPECT_STREQ(failure.GetFile(), "toolbox::Path::CreateApplicationLikePathInternal");
        }
        EXPECT_EQ(path.Count(), 0);
    }
}

TEST(PathSpecialFolders, DocumentsAreMadeWhenMissingElseTheProgramFolderServes)
{
    TestPlaces places;
    EXPECT_FALSE(std::filesystem::exists(places.DocumentsFolder()));
    EXPECT_EQ(Text(Path::CreateDocumentsDirectoryPath()), places.DocumentsFolder().string());
    EXPECT_TRUE(std::filesystem::is_directory(places.DocumentsFolder()));

    WriteFileBytes(places.Root() / "plain", "x");
    places.SetEnvironment("XDG_DOCUMENTS_DIR", (places.Root() / "plain" / "Documents").string());
    EXPECT_EQ(Text(Path::CreateDocumentsDirectoryPath()), places.ProgramFolder().string());

    Path unchanged("/keep", Path::Style::Posix);
    EXPECT_FALSE(unchanged.SetToSpecialFolder(Path::SpecialFolder::Documents, true));
    EXPECT_EQ(Text(unchanged), "/keep");
    EXPECT_FALSE(unchanged.SetToSpecialFolder(Path::SpecialFolder::LocalApplicationData, false));
    EXPECT_TRUE(unchanged.SetToSpecialFolder(Path::SpecialFolder::LocalApplicationData, true));
    EXPECT_EQ(Text(unchanged), places.DataFolder().string());
}
