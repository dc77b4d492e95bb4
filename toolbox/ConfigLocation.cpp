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
    Path file = Path::CreateExecutablePath();
    std::unique_ptr<String> name = file.TakeLast();
    if (!name)
        return false;
    Path::SetExtension(*name, "cfg");
    file.Append(name->c_str());
    return LoadFile(file.ToString(false).c_str(), true);
}

FileResult Config::SaveToDirectory(const Path& directory)
{
    return SaveFile(Path::CreateApplicationLikePath(directory, "cfg").ToString(false).c_str());
}

} // namespace toolbox
