#include "toolbox/StringKeyHashMap.h"

#include "toolbox/Exception.h"

#include <cstring>

namespace toolbox
{

std::string TextKeys::Take(const char* key)
{
    if (key == nullptr)
    {
        throw EIllegalArgument("A map key must be a text", "toolbox::StringKeyHashMap::Put",
                               __LINE__);
    }
    return GuardAllocation([&] { return std::string(key); });
}

bool TextKeys::Equal(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// Samples at most about sixteen bytes spread over the text; each byte counts as signed, times
// 11 at even positions and 7 at odd ones. Unsigned arithmetic keeps the signed sum's bits.
uint32_t TextKeys::Hash(const char* key)
{
    if (key == nullptr)
    {
        return 0;
    }
    size_t length = std::strlen(key);
    size_t step = std::max<size_t>(length / 16, 1);
    uint32_t sum = 0;
    for (size_t position = 0; position < length; position += step)
    {
        auto byte = static_cast<int32_t>(static_cast<signed char>(key[position]));
        sum += static_cast<uint32_t>(byte * (position % 2 == 0 ? 11 : 7));
    }
    return sum;
}

} // namespace toolbox
