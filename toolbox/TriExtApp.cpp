#include "toolbox/TriExtApp.h"

#include "toolbox/ConfigSection.h"

namespace mfctriext
{

using toolbox::Path;

TriExtApp::TriExtApp(const char* applicationName)
    : applicationName(applicationName), config(std::make_unique<toolbox::Config>())
{
    if (!config->LoadFromDirectory(FindConfigurationDirectory()))
        config->LoadBesideExecutable();
    firstRun = !OnceAction("FirstRun");
}

TriExtApp::~TriExtApp()
{
    Save();
}

toolbox::ConfigSection* TriExtApp::GetRootSection()
{
    return config ? &config->GetRoot() : nullptr;
}

void TriExtApp::Save()
{
    if (abandoned)
        return;
    config->SaveToDirectory(FindConfigurationDirectory());
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

Path TriExtApp::FindConfigurationDirectory() const
{
    Path directory;
    if (directory.SetToSpecialFolder(Path::SpecialFolder::LocalApplicationData, true))
    {
        directory.Append("Brindlecott");
        directory.Append(applicationName.c_str());
        // A file in the folder's place is no folder: its file could never be saved.
        if (directory.CreateDirectories())
            return directory;
    }
    return Path::CreateApplicationDirectoryPath();
}

} // namespace mfctriext
