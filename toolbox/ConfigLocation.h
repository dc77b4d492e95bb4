#pragma once

#include "toolbox/FileResult.h"

namespace toolbox
{

class Config;
class Path;

// Where the configuration file lives: named after the program with the extension "cfg", in a
// given folder or beside the program itself.
class ConfigLocation
{
public:
    // The store is not owned and outlives this object.
    explicit ConfigLocation(Config& config) : config(config) {}

    bool LoadFromDirectory(const Path& directory);
    // Only reads: the file beside the program belongs to an older installation.
    bool LoadBesideExecutable();
    FileResult SaveToDirectory(const Path& directory);

private:
    Config& config;
};

} // namespace toolbox
