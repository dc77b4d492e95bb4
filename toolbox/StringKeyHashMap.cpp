#include "toolbox/StringKeyHashMap.h"

#include "toolbox/Exception.h"

#include <cstring>

namespace toolbox
{

std::size_t TextKeys::StoredSize(const char* key)
{
    if (key == nullptr)
    {
        throw EIllegalArgument("A map key must be a text", "toolbox::StringKeyHashMap::Put",
                               __LINE__);
    }
    return std::strlen(key) + 1;
}

void TextKeys::Store(void* place, const char* key, std::size_t size)
{
    std::memcpy(place, key, size);
}

bool TextKeys::Equal(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// FNV-1a over every byte: names that differ anywhere land apart, so a file of many similar
// names cannot pile them into one bucket. Nothing depends on the order this gives: the file's
// writer sorts.
uint32_t TextKeys::Hash(const char* key)
{
    if (key == nullptr)
        return 0;
    uint32_t hash = 2166136261u;
    for (const char* p = key; *p != '\0'; ++p)
    {
        hash ^= static_cast<unsigned char>(*p);
        hash *= 16777619u;
    }
    return hash;
}

} // namespace toolbox
