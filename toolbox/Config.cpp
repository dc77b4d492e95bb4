#include "toolbox/Config.h"

#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <new>

namespace toolbox
{

Config::Config()
{
    root = GuardAllocation([] { return std::make_unique<ConfigSection>("Root"); });
}

Config::~Config()
{
    configurables.Clear();
}

void Config::Clear()
{
    root->RemoveAllParameters();
    root->RemoveAllSections();
}

void Config::NotifyConfigurables(bool saving)
{
    PointeredList<const char> names = configurables.Keys();
    for (const char* name : names)
        configurables.Get(name)->Configure(root->GetSection(name), saving);
}

bool Config::Parse(char* text)
{
    Clear();
    try
    {
        if (!ConfigFormat::Parse(*root, text))
        {
            Clear();
            return false;
        }
    }
    catch (const std::bad_alloc&)
    {
        Clear();
        throw EOutOfMemory();
    }
    catch (...)
    {
        Clear();
        throw;
    }
    NotifyConfigurables(false);
    return true;
}

} // namespace toolbox
