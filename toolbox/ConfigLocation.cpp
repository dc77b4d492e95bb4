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
    const std::optional<Path> file =
        Path::ProgramFileIn(Path::CreateApplicationDirectoryPath(), "cfg");
    return file && config.LoadFile(file->ToString(false).c_str(), true);
}

FileResult ConfigLocation::SaveToDirectory(const Path& directory)
{
    return config.SaveFile(
        Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

} // namespace toolbox
