#pragma once

#include <filesystem>

// A folder mounted for the test and unmounted after it; Mounted() is false where the system
// does not let the test mount (not root, or a container without the right).
class Mount
{
public:
    Mount(const std::filesystem::path& at, const char* source, const char* type,
          unsigned long flags, const char* options);
    ~Mount();
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;

    bool Mounted() const { return mounted; }
    // Mounts it again read-only, or writable again; false when the system refuses.
    bool SetReadOnly(bool readOnly);

    std::filesystem::path at;

private:
    bool mounted = false;
};
