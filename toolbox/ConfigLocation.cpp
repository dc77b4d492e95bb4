// Where the configuration file lives: named after the program with the extension "cfg", in a
// given folder or beside the program itself.
#include "toolbox/Config.h"

#include "toolbox/Path.h"

namespace toolbox
{

bool Config::LoadFromDirectory(const Path& directory)
{
    return LoadFile(Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

bool Config::LoadBesideExecutable()
{
    const std::optional<Path> file =
        Path::ProgramFileIn(Path::CreateApplicationDirectoryPath(), "cfg");
    return file && LoadFile(file->ToString(false).c_str(), true);
}

FileResult Config::SaveToDirectory(const Path& directory)
{
    return SaveFile(Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

} // namespace toolbox
