// The file-system queries of Path on Windows, with UTF-16 names.
#include "toolbox/Path.h"

#include "toolbox/WindowsText.h"

#include <windows.h>

namespace toolbox
{

bool Path::Exists() const
{
    return ::GetFileAttributesW(WideFromUtf8(ToString(false).c_str()).c_str()) !=
           INVALID_FILE_ATTRIBUTES;
}

bool Path::IsDirectory() const
{
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(ToString(false).c_str()).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Path::MakeDirectory() const
{
    return ::CreateDirectoryW(WideFromUtf8(ToString(false).c_str()).c_str(), nullptr) != 0;
}

} // namespace toolbox
