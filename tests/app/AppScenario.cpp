#include "tests/app/AppScenario.h"

#include "app/MainWindow.h"
#include "app/journal/BooksText.h"
#include "model/FillTree.h"
#include "model/Todo.h"
#include "tests/support/PrivateHome.h"
#include "toolbox/Places.h"

#include <cstdlib>
#include <regex>
#include <stdexcept>

AppScenario::AppScenario()
{
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"))
        savedDataHome = dataHome;
    setenv("XDG_DATA_HOME", (temp.Path() / "data").string().c_str(), 1);
    std::filesystem::create_directories(ProgramFolder());
#ifdef _WIN32
    // Windows asks the shell for the data folder, not the environment.
    toolbox::Places::SetFolders(toolbox::String((temp.Path() / "data").string().c_str()),
                                toolbox::Places::DocumentsFolder());
#endif
    toolbox::Places::SetProgramPath(
        toolbox::String((ProgramFolder() / "Tallydene").string().c_str()));
}

AppScenario::~AppScenario()
{
    toolbox::Places::SetProgramPath(std::nullopt);
    if (savedDataHome)
        setenv("XDG_DATA_HOME", savedDataHome->c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
#ifdef _WIN32
    UsePrivateHome(); // the whole process's folders again
#endif
}

std::unique_ptr<Tallydene> AppScenario::Start(bool withWindow)
{
    auto app = std::make_unique<Tallydene>(clock, ',');
    if (withWindow)
    {
        app->SetMainWindow(&window);
        FillTree(window.tree, app->GetProjects(), *app);
    }
    return app;
}

int32_t AppScenario::ClockAt(int year, int month, int day, int hour, int minute, int second)
{
    std::tm moment = UtcMoment(year, month, day, hour, minute, second);
    constexpr int64_t clockStart = 631065600; // 31 December 1989, 00:00:00 UTC
    return static_cast<int32_t>(static_cast<int64_t>(timegm(&moment)) - clockStart);
}

std::string AppScenario::SavedConfig() const
{
    std::string file = ReadFileBytes(ConfigFile());
    if (const size_t at = file.find("\t<JournalEntry>"); at != std::string::npos)
        file.erase(at, file.find('\n', at) + 1 - at);
    return file;
}

void AppScenario::WriteConfig(const ExpectedSettings& settings)
{
    std::filesystem::create_directories(DataFolder());
    WriteFileBytes(ConfigFile(), ExpectedConfigFile(settings));
}

std::string AppScenario::BooksOf(Tallydene& app)
{
    static const std::regex update("\t*<LastChargedDayUpdate>[^<]*</>\r\n");
    return std::regex_replace(BooksText::Of(app), update, "");
}

Project& AppScenario::ProjectNamed(Tallydene& app, const std::string& name)
{
    for (Project* project : app.GetProjects())
        if (project->GetName() == name)
            return *project;
    throw std::logic_error("no project " + name);
}

Todo& AppScenario::TodoNamed(Tallydene& app, const std::string& project, const std::string& todo)
{
    for (Todo* item : ProjectNamed(app, project).GetTodos())
        if (item->GetName() == todo)
            return *item;
    throw std::logic_error("no todo " + todo);
}
