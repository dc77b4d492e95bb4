#include "toolbox/TriExtApp.h"

#include "toolbox/ConfigLocation.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Places.h"

#include <filesystem>
#include <system_error>

namespace mfctriext
{

using toolbox::Path;

namespace
{

// A folder on a path the program may not search may well hold the data: it stays the data
// folder, so that its file is found unreadable and not replaced by one elsewhere.
bool IsShutAway(const Path& folder)
{
    std::error_code error;
    return std::filesystem::status(folder.ToString(false).c_str(), error).type() ==
               std::filesystem::file_type::none &&
           error == std::errc::permission_denied;
}

} // namespace

TriExtApp::TriExtApp(const char* applicationName, std::vector<std::string> sectionsEverySaveWrites)
    : applicationName(applicationName), config(std::make_unique<toolbox::Config>())
{
    config->SetSectionsEverySaveWrites(std::move(sectionsEverySaveWrites));
    dataFolder = FindConfigurationDirectory();
    const std::optional<Path> wanted = WantedDataFolder();
    if (wanted && wanted->ToString(false) != dataFolder.ToString(false))
        unmadeDataFolder = wanted->ToString(false).c_str();
    Load();
}

void TriExtApp::Load()
{
    const bool loaded = toolbox::ConfigLocation(*config).LoadFromDirectory(dataFolder);
    loadReport = config->LastLoad();
    if (!loaded && toolbox::ConfigLocation(*config).LoadBesideExecutable())
        loadReport.loaded = config->LastLoad().loaded;
    firstRun = !OnceAction("FirstRun");
}

toolbox::FileResult TriExtApp::KeepUnreadAside()
{
    return config->KeepUnreadAside(loadReport);
}

TriExtApp::~TriExtApp()
{
    Save();
}

toolbox::ConfigSection* TriExtApp::GetRootSection()
{
    return config ? &config->GetRoot() : nullptr;
}

toolbox::FileResult TriExtApp::Save()
{
    if (abandoned)
        return toolbox::FileResult();
    return toolbox::ConfigLocation(*config).SaveToDirectory(FindConfigurationDirectory());
}

bool TriExtApp::OnceAction(const char* name)
{
    toolbox::ConfigSection& actions =
        config->GetRoot().GetSection("Application").GetSection("OnceActions");
    if (!actions.GetBool(name, true))
        return true;
    actions.GetParameter(name).SetBool(false);
    return false;
}

std::optional<Path> TriExtApp::WantedDataFolder() const
{
    return WantedDataFolder(applicationName.c_str());
}

std::optional<Path> TriExtApp::WantedDataFolder(const char* applicationName)
{
    const std::optional<toolbox::String> data = toolbox::Places::LocalApplicationDataFolder();
    if (!data)
        return std::nullopt;
    Path directory(data->c_str());
    directory.Append("Brindlecott");
    directory.Append(applicationName);
    return directory;
}

Path TriExtApp::FindConfigurationDirectory() const
{
    return FindConfigurationDirectory(applicationName.c_str());
}

Path TriExtApp::FindConfigurationDirectory(const char* applicationName)
{
    // A file in the folder's place is no folder: its file could never be saved.
    if (const std::optional<Path> wanted = WantedDataFolder(applicationName);
        wanted && (wanted->CreateDirectories() || IsShutAway(*wanted)))
        return *wanted;
    return Path::CreateApplicationDirectoryPath();
}

} // namespace mfctriext
