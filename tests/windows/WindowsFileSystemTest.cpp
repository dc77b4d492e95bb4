// The Windows platform layer's own answers, with names outside ASCII, as a user's folder has.
#include "tests/support/PrivateHome.h"
#include "tests/support/TempFolder.h"
#include "toolbox/FileSystem.h"
#include "toolbox/Path.h"
#include "toolbox/Places.h"
#include "toolbox/SystemTime.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using toolbox::FileSystem;

namespace
{

std::string Write(FileSystem& files, const std::string& name, const std::string& bytes)
{
    auto file = files.OpenForWrite(name.c_str(), nullptr);
    if (!file || !file->Write(bytes.data(), bytes.size()) || !file->Sync() || !file->Close())
        return "cannot write " + name;
    return "";
}

} // namespace

TEST(WindowsFileSystem, SavesReplacesAndReadsUnderUnicodeNames)
{
    TempFolder temp("files");
    FileSystem& files = FileSystem::Native();
    const std::string folder = temp.Path().string() + "\\J\xC3\xBCrgen \xE6\x97\xA5\xE6\x9C\xAC";
    ASSERT_TRUE(toolbox::Path(folder.c_str()).CreateDirectories());
    ASSERT_TRUE(toolbox::Path(folder.c_str()).IsDirectory());
    const std::string data = folder + "\\Tallydene.cfg";
    const std::string saved = data + ".new";

    // A save: the new file is written aside and replaces the old one in one step.
    EXPECT_EQ("", Write(files, data, "old\r\n"));
    EXPECT_EQ("", Write(files, saved, "new\r\n"));
    EXPECT_TRUE(files.Rename(saved.c_str(), data.c_str()));
    std::string bytes;
    EXPECT_EQ(FileSystem::ReadResult::Read, files.ReadWholeFile(data.c_str(), bytes));
    EXPECT_EQ("new\r\n", bytes);
    EXPECT_FALSE(files.Exists(saved.c_str()));

    // Aside never replaces; a second name holds the same bytes.
    const std::string aside = folder + "\\aside.cfg";
    EXPECT_EQ("", Write(files, aside, "aside"));
    EXPECT_FALSE(files.RenameAside(aside.c_str(), data.c_str()));
    EXPECT_EQ(EEXIST, errno);
    const std::string backup = folder + "\\backup.cfg";
    EXPECT_TRUE(files.Link(data.c_str(), backup.c_str()));
    EXPECT_EQ(FileSystem::ReadResult::Read, files.ReadWholeFile(backup.c_str(), bytes));
    EXPECT_EQ("new\r\n", bytes);

    // The journal grows at its end, byte for byte (no line ends changed).
    const std::string journal = folder + "\\Tallydene.journal";
    EXPECT_TRUE(files.Append(journal.c_str(), "a\r\n", nullptr));
    EXPECT_TRUE(files.Append(journal.c_str(), "b\n", nullptr));
    EXPECT_EQ(FileSystem::ReadResult::Read, files.ReadWholeFile(journal.c_str(), bytes));
    EXPECT_EQ("a\r\nb\n", bytes);

    // What cannot be read says why.
    EXPECT_EQ(FileSystem::ReadResult::Missing,
              files.ReadWholeFile((folder + "\\none.cfg").c_str(), bytes));
    EXPECT_EQ(FileSystem::ReadResult::CannotOpen, files.ReadWholeFile(folder.c_str(), bytes));
    EXPECT_EQ(EISDIR, errno);
    EXPECT_EQ(nullptr, files.OpenForWrite((folder + "\\none\\x.cfg").c_str(), nullptr));
    EXPECT_EQ(ENOENT, errno);
}

TEST(WindowsPlaces, TheSystemsFoldersAndClocks)
{
    toolbox::Places::SetFolders(std::nullopt, std::nullopt);
    const std::optional<toolbox::String> data = toolbox::Places::LocalApplicationDataFolder();
    const std::optional<toolbox::String> documents = toolbox::Places::DocumentsFolder();
    UsePrivateHome(); // the test process's own folders again
    ASSERT_TRUE(data && documents);
    // Drive-rooted, Windows style, and not the roaming folder.
    EXPECT_EQ(':', data->c_str()[1]) << data->c_str();
    EXPECT_EQ(nullptr, std::strstr(data->c_str(), "Roaming")) << data->c_str();
    EXPECT_EQ(':', documents->c_str()[1]) << documents->c_str();
    const std::string program = toolbox::Places::ProgramPath().c_str();
    EXPECT_TRUE(program.ends_with("toolbox_tests.exe")) << program;

    // The boot clock counts the sleep that the monotonic one leaves out.
    EXPECT_GE(toolbox::BootSeconds(), toolbox::MonotonicSeconds());
    std::tm date{};
    date.tm_year = 126;
    date.tm_mon = 11;
    date.tm_mday = 9;
    EXPECT_EQ(1796774400, toolbox::UtcTimeOfFields(date));
}
