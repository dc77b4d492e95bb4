#include "toolbox/TextHash.h"

#include <cstdint>
#include <cstdio>

namespace toolbox
{

std::string TextHash(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

} // namespace toolbox
