#pragma once

#include "toolbox/Config.h"
#include "toolbox/Path.h"
#include "toolbox/String.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace toolbox
{
class ConfigSection;
}

namespace mfctriext
{

// The base of the application object: it owns the configuration store, loads it from the
// user's data folder (or, the first time, from a file left beside the program) when it is
// made, and writes it back to the data folder when asked and when it goes. It also keeps the
// once actions, flags in the configuration that let the application do a thing only once.
class TriExtApp
{
public:
    // applicationName names the data folder: <local application data>/Brindlecott/<name>.
    // sectionsEverySaveWrites are what a file must hold to be loaded in place of a whole
    // ".old" copy.
    explicit TriExtApp(const char* applicationName,
                       std::vector<std::string> sectionsEverySaveWrites = {});
    virtual ~TriExtApp();
    TriExtApp(const TriExtApp&) = delete;
    TriExtApp& operator=(const TriExtApp&) = delete;

    toolbox::ConfigSection* GetRootSection();
    toolbox::Config& GetConfig() { return *config; }

    // Writes the store to the data folder; a failure is logged and its reason returned.
    toolbox::FileResult Save();

    // From now on nothing is written, neither by Save nor at the end: a run that failed
    // halfway must not replace the good file with a half-changed state.
    void Abandon() { abandoned = true; }

    bool IsFirstRun() const { return firstRun; }
    // After the store was replaced by other data: whether that data knows this program.
    void RecheckFirstRun() { firstRun = !OnceAction("FirstRun"); }

    // True if the named action was done before; otherwise marks it done and answers false.
    bool OnceAction(const char* name);

    // The data folder, made if missing; the program's folder when it cannot be had.
    toolbox::Path FindConfigurationDirectory() const;
    // The same for the named application, without an application object.
    static toolbox::Path FindConfigurationDirectory(const char* applicationName);
    // The data folder as the start found it, for what lives beside the data file.
    const toolbox::Path& GetDataFolder() const { return dataFolder; }

    // What the start found: the file the data came from and what was wrong with the others.
    const toolbox::Config::LoadReport& GetLoadReport() const { return loadReport; }
    // Loads the store again as the start did, replacing what it holds: after the user has
    // mended a file that could not be read.
    void Load();
    // The user's choice to go on without the files the load could not read: they are set
    // aside under free ".bad" names (the load report says which), and saves go on.
    toolbox::FileResult KeepUnreadAside();
    // The data folder that could not be made at the start, so the program's folder serves.
    const std::optional<std::string>& GetUnmadeDataFolder() const { return unmadeDataFolder; }

private:
    // <local application data>/Brindlecott/<name>, whether it exists or not.
    std::optional<toolbox::Path> WantedDataFolder() const;
    static std::optional<toolbox::Path> WantedDataFolder(const char* applicationName);

    toolbox::Path dataFolder;
    toolbox::Config::LoadReport loadReport;
    std::optional<std::string> unmadeDataFolder;
    toolbox::String applicationName;
    std::unique_ptr<toolbox::Config> config;
    bool firstRun = false;
    bool abandoned = false;
};

} // namespace mfctriext
