#include "tests/app/CommandScenario.h"

#include "app/commands/HelpCommands.h"
#include "res/CommandIds.h"
#include "toolbox/Places.h"
#include "toolbox/Translation.h"

#include <filesystem>
#include <fstream>
#include <iterator>

class ProjectAndHelpCommands : public CommandScenario
{
protected:
    void SetUp() override
    {
        settings.lastTimeUpdated = ClockAt(2026, 3, 4, 12, 0, 0);
        settings.loggingEnabled = true;
        settings.projects = {{"Garden", 0, {}}, {"Office", 0, {}}};
        WriteConfig(settings);
        clock.Set(2026, 3, 4, 12, 0, 0);
        Run();
    }

    ExpectedSettings settings;
};

TEST_F(ProjectAndHelpCommands, ANewProjectIsListedLoggedSelectedAndSaved)
{
    dialogs.project.push_back(
        [](ProjectForm& form)
        {
            form.name = "Kitchen";
            form.totalTime = "1,5";
            return true;
        });
    const TreeNode garden = mainWindow.tree.NodeOf(ProjectNamed(*app, "Garden"));
    const TreeNode office = mainWindow.tree.NodeOf(ProjectNamed(*app, "Office"));
    const int rebuilds = mainWindow.treeRebuilds;
    EXPECT_TRUE(Execute(res::ID_PROJECT_NEW));

    ASSERT_EQ(3, app->GetProjects().Count());
    // Inserted in its place: the other projects keep their nodes.
    EXPECT_EQ(rebuilds, mainWindow.treeRebuilds);
    EXPECT_EQ(garden, mainWindow.tree.NodeOf(ProjectNamed(*app, "Garden")));
    EXPECT_EQ(office, mainWindow.tree.NodeOf(ProjectNamed(*app, "Office")));
    EXPECT_EQ("Kitchen", app->GetProjects().Get(1)->GetName());
    const Project& kitchen = ProjectNamed(*app, "Kitchen");
    EXPECT_EQ(5400, kitchen.GetTotalTime());
    EXPECT_EQ(LogLine("2026-03-04 12:00:00", "Created a new project", "Kitchen"), SavedLog());
    EXPECT_EQ((std::vector<std::string>{"  0,0  [0,0]  Garden", "  0,0  [1,5]  Kitchen",
                                        "  0,0  [0,0]  Office"}),
              TreeLines());
    EXPECT_EQ(mainWindow.tree.NodeOf(kitchen), mainWindow.tree.GetSelection());
    EXPECT_EQ(1, mainWindow.focusRequests);
    // Like every change, creating a project brings the clock up to date.
    EXPECT_FALSE(mainWindow.statusTexts.empty());

    Quit();
    settings.projects.push_back({"Kitchen", 5400, {}});
    EXPECT_EQ(ExpectedConfigFile(settings, SavedConfig()), SavedConfig());
}

TEST_F(ProjectAndHelpCommands, ACancelledNewProjectLeavesNoTrace)
{
    const std::vector<std::string> lines = TreeLines();
    dialogs.project.push_back(
        [](ProjectForm& form)
        {
            form.name = "Kitchen";
            return false;
        });
    Execute(res::ID_PROJECT_NEW);

    EXPECT_EQ(2, app->GetProjects().Count());
    EXPECT_EQ(lines, TreeLines());
    EXPECT_EQ(1, mainWindow.focusRequests);
    EXPECT_FALSE(std::filesystem::exists(LogFile()));
    Quit();
    EXPECT_EQ(ExpectedConfigFile(settings, SavedConfig()), SavedConfig());
}

namespace
{

// The address of a file without characters to escape: its folders separated by "/", and on
// Windows its drive after a third "/" (file:///C:/...).
std::string AddressOf(const std::string& file)
{
    const std::string path = std::filesystem::path(file).generic_string();
    return (path.starts_with('/') ? "file://" : "file:///") + path;
}

} // namespace

TEST_F(ProjectAndHelpCommands, HelpOpensTheFilesBelowTheProgramAndTheWebSiteAsAnAddress)
{
    EXPECT_TRUE(Execute(res::ID_HELP_INDEX));
    EXPECT_TRUE(Execute(res::ID_HELP_TERMS));
    EXPECT_TRUE(Execute(res::ID_HELP_WEB_SITE));
    const std::string help = (ProgramFolder() / "docs" / "help" / "index.html").string();
    EXPECT_EQ((std::vector<std::string>{help, (ProgramFolder() / "docs" / "Readme.txt").string(),
                                        AddressOf(help)}),
              mainWindow.opened);

    // A view command is left to the main view.
    EXPECT_FALSE(Execute(res::ID_TODO_NEW));
}

// Under a German locale F1 opens the German page, which has every section the English one has.
TEST_F(ProjectAndHelpCommands, HelpOpensThePageOfTheUsersLanguage)
{
    toolbox::Translation::SetTranslator(
        [](const char* english) -> std::string
        { return english == std::string("index.html") ? "index.de.html" : english; });
    Execute(res::ID_HELP_INDEX);
    toolbox::Translation::SetTranslator(nullptr);
    const std::filesystem::path help = ProgramFolder() / "docs" / "help";
    EXPECT_EQ(std::vector<std::string>{(help / "index.de.html").string()}, mainWindow.opened);
    const auto sections = [](const char* page)
    {
        std::ifstream file(std::filesystem::path(TALLYDENE_SOURCE_DIR) / "docs" / "help" / page);
        const std::string text((std::istreambuf_iterator<char>(file)), {});
        size_t count = 0;
        for (size_t at = 0; (at = text.find("<h2>", at)) != std::string::npos; ++at)
            ++count;
        return count;
    };
    EXPECT_EQ(sections("index.html"), sections("index.de.html"));
}

TEST_F(ProjectAndHelpCommands, AnInstalledProgramFindsItsDocsInTheSharedDataFolder)
{
    // The program sits in "program" as an installed one sits in "bin".
    const auto shared = ProgramFolder().parent_path() / "share" / "tallydene" / "docs";
    const auto beside = ProgramFolder() / "docs";
    for (const auto& file :
         {shared / "help" / "index.html", shared / "Readme.txt", beside / "help" / "index.html"})
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "page\n";
    }

    // Each file is looked up on its own: the help page beside the program comes first, the
    // terms exist only where the installation put them.
    EXPECT_TRUE(Execute(res::ID_HELP_INDEX));
    EXPECT_TRUE(Execute(res::ID_HELP_TERMS));
    std::filesystem::remove(beside / "help" / "index.html");
    EXPECT_TRUE(Execute(res::ID_HELP_INDEX));
    EXPECT_TRUE(Execute(res::ID_HELP_WEB_SITE));
    const std::string installedHelp = (shared / "help" / "index.html").string();
    EXPECT_EQ((std::vector<std::string>{(beside / "help" / "index.html").string(),
                                        (shared / "Readme.txt").string(), installedHelp,
                                        AddressOf(installedHelp)}),
              mainWindow.opened);
}

TEST_F(ProjectAndHelpCommands, TheWebSiteAddressEscapesWhatAFileAddressCannotHold)
{
#ifdef _WIN32
    toolbox::Places::SetProgramPath(toolbox::String("D:\\Time & Co\\50%\\Tallydene.exe"));
    EXPECT_EQ("file:///D:/Time%20%26%20Co/50%25/docs/help/index.html", WebSiteAddress());
#else
    toolbox::Places::SetProgramPath(toolbox::String("/opt/Time & Co/50%/Tallydene"));
    EXPECT_EQ("file:///opt/Time%20%26%20Co/50%25/docs/help/index.html", WebSiteAddress());
#endif
}
