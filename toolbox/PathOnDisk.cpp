// The file-system queries of Path on POSIX.
#include "toolbox/Path.h"

#include <sys/stat.h>

namespace toolbox
{

bool Path::Exists() const
{
    struct stat status;
    return stat(ToString(false).c_str(), &status) == 0;
}

bool Path::IsDirectory() const
{
    struct stat status;
    return stat(ToString(false).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool Path::MakeDirectory() const
{
    return mkdir(ToString(false).c_str(), 0777) == 0;
}

} // namespace toolbox
