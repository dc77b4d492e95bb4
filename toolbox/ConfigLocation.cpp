#include "toolbox/ConfigLocation.h"

#include "toolbox/Config.h"
#include "toolbox/Path.h"

namespace toolbox
{

bool ConfigLocation::LoadFromDirectory(const Path& directory)
{
    return config.LoadFile(
        Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

bool ConfigLocation::LoadBesideExecutable()
{
    Path file = Path::CreateExecutablePath();
    std::unique_ptr<String> name = file.TakeLast();
    if (!name)
        return false;
    Path::SetExtension(*name, "cfg");
    file.Append(name->c_str());
    return config.LoadFile(file.ToString(false).c_str(), true);
}

FileResult ConfigLocation::SaveToDirectory(const Path& directory)
{
    return config.SaveFile(
        Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

} // namespace toolbox
