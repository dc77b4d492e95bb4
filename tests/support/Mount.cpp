#include "tests/support/Mount.h"

#include <sys/mount.h>

Mount::Mount(const std::filesystem::path& at, const char* source, const char* type,
             unsigned long flags, const char* options)
    : at(at)
{
    std::filesystem::create_directories(at);
    mounted = ::mount(source, at.c_str(), type, flags, options) == 0;
}

Mount::~Mount()
{
    if (mounted)
        ::umount2(at.c_str(), MNT_DETACH);
}

bool Mount::SetReadOnly(bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return ::mount(nullptr, at.c_str(), nullptr, flags, nullptr) == 0;
}
