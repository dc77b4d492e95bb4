#include "tests/support/TestPlaces.h"

#include "tests/support/PrivateHome.h"
#include "toolbox/Places.h"

#include <cstdlib>

TestPlaces::TestPlaces() : folder("places")
{
    std::filesystem::create_directory(ProgramFolder());
    SetEnvironment("HOME", HomeFolder().string());
    SetEnvironment("XDG_DATA_HOME", DataFolder().string());
    SetEnvironment("XDG_DOCUMENTS_DIR", DocumentsFolder().string());
    SetEnvironment("XDG_CONFIG_HOME", (Root() / "config").string());
    SetProgramPath(ProgramPath().string());
#ifdef _WIN32
    // Windows asks the shell for the folders, not the environment.
    toolbox::Places::SetFolders(toolbox::String(DataFolder().string().c_str()),
                                toolbox::String(DocumentsFolder().string().c_str()));
#endif
}

TestPlaces::~TestPlaces()
{
    for (auto variable = saved.rbegin(); variable != saved.rend(); ++variable)
    {
        if (variable->value)
            setenv(variable->name.c_str(), variable->value->c_str(), 1);
        else
            unsetenv(variable->name.c_str());
    }
    toolbox::Places::SetProgramPath(std::nullopt);
    toolbox::Places::SetArguments(std::nullopt);
#ifdef _WIN32
    UsePrivateHome(); // the whole process's folders again
#endif
}

void TestPlaces::SetArguments(const std::vector<std::string>& arguments)
{
    std::vector<toolbox::String> all{toolbox::String(programPath.c_str())};
    for (const std::string& argument : arguments)
        all.emplace_back(argument.c_str());
    toolbox::Places::SetArguments(all);
}

void TestPlaces::SetProgramPath(const std::string& path)
{
    programPath = path;
    toolbox::Places::SetProgramPath(toolbox::String(path.c_str()));
    SetArguments({});
}

void TestPlaces::SetEnvironment(const char* name, std::optional<std::string> value)
{
    const char* old = std::getenv(name);
    saved.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}
