#include "toolbox/StringKeyHashMap.h"

#include "toolbox/Exception.h"

#include <array>
#include <cstring>
#include <random>

namespace toolbox
{

namespace
{

uint64_t RotateLeft(uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

struct SipState
{
    void Round()
    {
        v0 += v1;
        v1 = RotateLeft(v1, 13);
        v1 ^= v0;
        v0 = RotateLeft(v0, 32);
        v2 += v3;
        v3 = RotateLeft(v3, 16);
        v3 ^= v2;
        v0 += v3;
        v3 = RotateLeft(v3, 21);
        v3 ^= v0;
        v2 += v1;
        v1 = RotateLeft(v1, 17);
        v1 ^= v2;
        v2 = RotateLeft(v2, 32);
    }
    void Take(uint64_t word)
    {
        v3 ^= word;
        Round();
        v0 ^= word;
    }

    uint64_t v0, v1, v2, v3;
};

const std::array<uint64_t, 2>& ProcessSecret()
{
    static const std::array<uint64_t, 2> secret = []
    {
        std::random_device device;
        const auto word = [&] { return uint64_t{device()} << 32 | device(); };
        return std::array<uint64_t, 2>{word(), word()};
    }();
    return secret;
}

} // namespace

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
// names does not pile them into one bucket. Names made to collide can; the map then turns to
// the keyed hash. The order this gives decides only between names alike but for letter case.
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

uint32_t TextKeys::KeyedHash(const char* key)
{
    if (key == nullptr)
        return 0;
    const std::array<uint64_t, 2>& secret = ProcessSecret();
    SipState state{secret[0] ^ 0x736f6d6570736575u, secret[1] ^ 0x646f72616e646f6du,
                   secret[0] ^ 0x6c7967656e657261u, secret[1] ^ 0x7465646279746573u};
    // Eight bytes a word, the first the lowest; the last word ends with the length.
    const std::size_t length = std::strlen(key);
    uint64_t word = 0;
    for (std::size_t i = 0; i < length; ++i)
    {
        word |= uint64_t{static_cast<unsigned char>(key[i])} << (8 * (i % 8));
        if (i % 8 == 7)
        {
            state.Take(word);
            word = 0;
        }
    }
    state.Take(word | uint64_t{length & 0xff} << 56);
    state.v2 ^= 0xff;
    for (int i = 0; i < 3; ++i)
        state.Round();
    const uint64_t hash = state.v0 ^ state.v1 ^ state.v2 ^ state.v3;
    return static_cast<uint32_t>(hash ^ hash >> 32);
}

} // namespace toolbox
