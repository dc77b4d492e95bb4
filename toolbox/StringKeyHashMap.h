#pragma once

#include "toolbox/HashMap.h"

#include <cstddef>
#include <cstdint>

namespace toolbox
{

// Text keys: the map keeps its own copy and compares byte for byte, case-sensitive. A null
// key equals nothing, so it is never found; putting one is refused.
struct TextKeys
{
    using Argument = const char*;
    static std::size_t StoredSize(Argument key);
    // Stores the StoredSize bytes of the key.
    static void Store(void* place, Argument key, std::size_t size);
    static Argument View(const void* place) { return static_cast<const char*>(place); }
    static bool Equal(Argument a, Argument b);
    static uint32_t Hash(Argument key);
    // SipHash-1-3 under a secret made once per process: what it gives for a text cannot be
    // told in advance, so no file can be made to pile its names into one bucket.
    static uint32_t KeyedHash(Argument key);
};

// The map from texts to values that the configuration store and the command line use.
template <class T> class StringKeyHashMap : public HashMap<T, TextKeys>
{
public:
    explicit StringKeyHashMap(bool ownsValues = true, NodeArena* arena = nullptr)
        : HashMap<T, TextKeys>(ownsValues, arena)
    {
    }

    // The text hash, before it is reduced to a bucket.
    static uint32_t Hash(const char* key) { return TextKeys::Hash(key); }
};

} // namespace toolbox
