#pragma once

namespace toolbox
{

class ConfigSection;

// An object that reads itself from its own section after a load and writes itself into it
// before a save.
class Configurable
{
public:
    virtual ~Configurable() = default;
    // saving is false after a load (read from the section), true before a save (write into it).
    virtual void Configure(ConfigSection& section, bool saving) = 0;
};

} // namespace toolbox
