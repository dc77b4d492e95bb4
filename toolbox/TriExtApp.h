#pragma once

#include "toolbox/Config.h"
#include "toolbox/Path.h"
#include "toolbox/String.h"

#include <memory>

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
    explicit TriExtApp(const char* applicationName);
    virtual ~TriExtApp();
    TriExtApp(const TriExtApp&) = delete;
    TriExtApp& operator=(const TriExtApp&) = delete;

    toolbox::ConfigSection* GetRootSection();
    toolbox::Config& GetConfig() { return *config; }

    // Writes the store to the data folder; a failure is not reported.
    void Save();

    // From now on nothing is written, neither by Save nor at the end: a run that failed
    // halfway must not replace the good file with a half-changed state.
    void Abandon() { abandoned = true; }

    bool IsFirstRun() const { return firstRun; }

    // True if the named action was done before; otherwise marks it done and answers false.
    bool OnceAction(const char* name);

    // The data folder, made if missing; the program's folder when it cannot be had.
    toolbox::Path FindConfigurationDirectory() const;

private:
    toolbox::String applicationName;
    std::unique_ptr<toolbox::Config> config;
    bool firstRun = false;
    bool abandoned = false;
};

} // namespace mfctriext
