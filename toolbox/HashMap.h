#pragma once

#include "toolbox/Exception.h"
#include "toolbox/NodeArena.h"
#include "toolbox/PointeredList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace toolbox
{

// Keys that are pointers compared by identity: the map keeps the pointer itself.
struct PointerKeys
{
    using Argument = const void*;
    static std::size_t StoredSize(Argument) { return sizeof(Argument); }
    static void Store(void* place, Argument key, std::size_t size)
    {
        std::memcpy(place, &key, size);
    }
    static Argument View(const void* place)
    {
        Argument key;
        std::memcpy(&key, place, sizeof key);
        return key;
    }
    static bool Equal(Argument a, Argument b) { return a == b; }
    static uint32_t Hash(Argument key)
    {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key) / 8 * 1009);
    }
};

// A hash map of values it owns (or, when built not owning, merely points to). Each bucket
// chains its entries in insertion order; the bucket count follows the load: it grows when the
// entries outnumber the buckets and shrinks when they fill fewer than a quarter of them. An
// empty map holds no buckets at all. Iteration runs over the buckets in index order, each in
// its own order.
//
// A large store has many small maps, so each entry is one allocation holding the key's copy
// and, for a value made in the map (Emplace), the value itself. A map of at most the minimum
// bucket count keeps no bucket table: its entries form one list in iteration order, which a
// look-up walks, comparing hashes first. Given an arena, the map takes its entries from it.
//
// Keys whose rules also give a keyed hash (one with a secret of the process's own) cannot be
// crafted to pile up: a chain that grows past kLongestChain, which chance alone never makes,
// moves the whole map to the keyed hash. Everyday keys keep the plain hash and its order.
template <class T, class KeyRules = PointerKeys> class HashMap
{
public:
    using Key = typename KeyRules::Argument;

    explicit HashMap(bool ownsValues = true, NodeArena* arena = nullptr)
        : arena(arena), ownsValues(ownsValues)
    {
    }
    HashMap(const HashMap&) = delete;
    HashMap& operator=(const HashMap&) = delete;
    ~HashMap()
    {
        ReleaseEntries();
        if (!Listed())
            delete[] chains.table;
    }

    int Count() const { return count; }
    NodeArena* Arena() const { return arena; }
    int BucketCount() const { return static_cast<int>(bucketCount); }

    // nullptr when absent.
    T* Get(Key key) const
    {
        const Entry* entry = Find(key);
        return entry == nullptr ? nullptr : ValueOf(entry);
    }

    // Where the key comes in an iteration: smaller ranks come first. Only for a key present.
    uint64_t IterationRank(Key key) const
    {
        const uint32_t bucket = BucketOf(HashOf(key));
        uint64_t rank = uint64_t{bucket} << 32;
        const Entry* entry = *Chain(bucket);
        while (BucketOf(entry->hash) != bucket)
            entry = entry->next;
        for (; !KeyRules::Equal(KeyOf(entry), key); entry = entry->next)
            ++rank;
        return rank;
    }

    // An existing key keeps its entry; its old value is destroyed. Gives the map's own copy of
    // the key, which stays where it is while the key is in the map.
    Key Put(Key key, std::unique_ptr<T> value)
    {
        if (!ownsValues)
        {
            throw EIllegalArgument("A map that does not own its values cannot take one over",
                                   "toolbox::HashMap::Put", __LINE__);
        }
        return Store(key, value);
    }

    Key Put(Key key, T* value)
    {
        if (ownsValues)
        {
            throw EIllegalArgument("A map that owns its values needs them handed over",
                                   "toolbox::HashMap::Put", __LINE__);
        }
        std::unique_ptr<T, Unowned> handed(value);
        return Store(key, handed);
    }

    struct Made
    {
        Key key; // the map's own copy
        T* value;
        bool made; // the key was new
    };

    // The key's value; for a new key, made from the arguments inside the key's entry. Such a
    // value stays in the map until deleted: it cannot be handed over or replaced by a Put.
    template <class... Arguments> Made Emplace(Key key, Arguments&&... arguments)
    {
        if (!ownsValues)
        {
            throw EIllegalArgument("Only an owning map makes a value", "toolbox::HashMap::Emplace",
                                   __LINE__);
        }
        const uint32_t hash = HashOf(key);
        if (const Entry* found = Find(key, hash))
            return {KeyOf(found), ValueOf(found), false};
        Entry* entry = NewEntry(key, hash, true);
        try
        {
            GuardAllocation([&]
                            { new (ValuePlace(entry)) T(std::forward<Arguments>(arguments)...); });
        }
        catch (...)
        {
            Release(entry);
            throw;
        }
        Link(entry);
        return {KeyOf(entry), ValueOf(entry), true};
    }

    // The value leaves the map without being destroyed; nullptr when absent.
    std::unique_ptr<T> Remove(Key key)
    {
        if (!ownsValues)
        {
            throw EIllegalArgument("A map that does not own its values cannot hand one over",
                                   "toolbox::HashMap::Remove", __LINE__);
        }
        const Entry* found = Find(key);
        if (found != nullptr && found->madeHere)
        {
            throw EIllegalArgument("A value made in the map cannot leave it",
                                   "toolbox::HashMap::Remove", __LINE__);
        }
        Entry* entry = Unlink(key);
        if (entry == nullptr)
            return nullptr;
        std::unique_ptr<T> value(ValueOf(entry));
        Release(entry);
        return value;
    }

    // Destroys the value, unless the map does not own it.
    void Delete(Key key)
    {
        if (Entry* entry = Unlink(key))
            Destroy(entry);
    }

    void Clear()
    {
        ReleaseEntries();
        if (!Listed())
            delete[] chains.table;
        chains.head = nullptr;
        count = 0;
        bucketCount = 0;
        keyed = false;
    }

    PointeredList<std::remove_pointer_t<Key>> Keys() const
    {
        PointeredList<std::remove_pointer_t<Key>> keys;
        ForEach([&](const Entry* entry) { keys.Append(KeyOf(entry)); });
        return keys;
    }

    PointeredList<T> Values() const
    {
        PointeredList<T> values;
        ForEach([&](const Entry* entry) { values.Append(ValueOf(entry)); });
        return values;
    }

private:
    static constexpr int kLoadPercentage = 50;
    static constexpr uint32_t kMinimumBuckets = 16;
    // With at most one entry a bucket on average, chance gives no chain of this length.
    static constexpr uint32_t kLongestChain = 32;
    static constexpr bool kCanKey = requires(Key key) { KeyRules::KeyedHash(key); };

    struct Unowned
    {
        void operator()(T*) const {}
    };

    // Followed in the same allocation by the value's place (the value, or a pointer to it),
    // then by the key's copy, which therefore stays where it is.
    struct Entry
    {
        Entry* next;
        uint32_t hash;
        bool madeHere;
    };

    static constexpr std::size_t Rounded(std::size_t size)
    {
        return (size + alignof(Entry) - 1) / alignof(Entry) * alignof(Entry);
    }
    static char* ValuePlace(const Entry* entry)
    {
        static_assert(alignof(T) <= alignof(Entry));
        return reinterpret_cast<char*>(const_cast<Entry*>(entry)) + Rounded(sizeof(Entry));
    }
    static T*& PointerOf(const Entry* entry)
    {
        return *std::launder(reinterpret_cast<T**>(ValuePlace(entry)));
    }
    static T* ValueOf(const Entry* entry)
    {
        return entry->madeHere ? std::launder(reinterpret_cast<T*>(ValuePlace(entry)))
                               : PointerOf(entry);
    }
    static const void* KeyPlace(const Entry* entry)
    {
        return ValuePlace(entry) + Rounded(entry->madeHere ? sizeof(T) : sizeof(T*));
    }
    static Key KeyOf(const Entry* entry) { return KeyRules::View(KeyPlace(entry)); }

    static std::size_t EntrySize(bool madeHere, std::size_t keySize)
    {
        return Rounded(sizeof(Entry)) + Rounded(madeHere ? sizeof(T) : sizeof(T*)) + keySize;
    }

    // The entry with its key stored; the value's place is still empty.
    Entry* NewEntry(Key key, uint32_t hash, bool madeHere)
    {
        const std::size_t keySize = KeyRules::StoredSize(key);
        const std::size_t size = EntrySize(madeHere, keySize);
        void* place = arena != nullptr ? arena->Take(size)
                                       : GuardAllocation([&] { return ::operator new(size); });
        Entry* entry = new (place) Entry{nullptr, hash, madeHere};
        KeyRules::Store(const_cast<void*>(KeyPlace(entry)), key, keySize);
        return entry;
    }

    // The entry's memory, its value already destroyed or handed on.
    void Release(Entry* entry) const
    {
        if (arena == nullptr)
            ::operator delete(entry);
        else if (arena->TakesBack())
            arena->Give(entry, EntrySize(entry->madeHere, KeyRules::StoredSize(KeyOf(entry))));
    }

    void Destroy(Entry* entry) const
    {
        if (entry->madeHere)
            ValueOf(entry)->~T();
        else if (ownsValues)
            delete PointerOf(entry);
        Release(entry);
    }

    Entry* Find(Key key) const { return count == 0 ? nullptr : Find(key, HashOf(key)); }

    Entry* Find(Key key, uint32_t hash) const
    {
        if (count == 0)
            return nullptr;
        for (Entry* entry = *Chain(BucketOf(hash)); entry != nullptr; entry = entry->next)
            if (entry->hash == hash && KeyRules::Equal(KeyOf(entry), key))
                return entry;
        return nullptr;
    }

    // The value stays with the caller until the map has taken it.
    template <class Holder> Key Store(Key key, Holder& value)
    {
        const uint32_t hash = HashOf(key);
        if (Entry* entry = Find(key, hash))
        {
            if (entry->madeHere)
            {
                throw EIllegalArgument("A value made in the map cannot be replaced",
                                       "toolbox::HashMap::Put", __LINE__);
            }
            T* old = std::exchange(PointerOf(entry), value.release());
            if (ownsValues)
                delete old;
            return KeyOf(entry);
        }
        Entry* entry = NewEntry(key, hash, false);
        new (ValuePlace(entry)) T*(value.release());
        Link(entry);
        return KeyOf(entry);
    }

    // Joins the end of the entry's bucket.
    void Link(Entry* entry)
    {
        if (bucketCount == 0)
            bucketCount = kMinimumBuckets;
        const uint32_t bucket = BucketOf(entry->hash);
        Entry** end = Chain(bucket);
        uint32_t length = 0;
        while (*end != nullptr && (!Listed() || BucketOf((*end)->hash) <= bucket))
        {
            end = &(*end)->next;
            ++length;
        }
        entry->next = *end;
        *end = entry;
        ++count;
        if (length >= kLongestChain && !Listed())
            UseKeyedHash();
        Rebalance();
    }

    uint32_t HashOf(Key key) const
    {
        if constexpr (kCanKey)
            if (keyed)
                return KeyRules::KeyedHash(key);
        return KeyRules::Hash(key);
    }

    // Every entry is hashed anew with the keyed hash and the table rebuilt; a keyed map stays
    // so until it is cleared.
    void UseKeyedHash()
    {
        if constexpr (kCanKey)
        {
            if (keyed)
                return;
            keyed = true;
            ForEach([&](const Entry* entry)
                    { const_cast<Entry*>(entry)->hash = KeyRules::KeyedHash(KeyOf(entry)); });
            Rebuild(bucketCount);
        }
    }

    // Whether a chain of the table is longer than chance makes them.
    bool HasLongChain() const
    {
        if (Listed())
            return false;
        for (uint32_t i = 0; i < bucketCount; ++i)
        {
            uint32_t length = 0;
            for (const Entry* entry = chains.table[i]; entry != nullptr; entry = entry->next)
                if (++length > kLongestChain)
                    return true;
        }
        return false;
    }

    Entry* Unlink(Key key)
    {
        if (count == 0)
            return nullptr;
        const uint32_t hash = HashOf(key);
        for (Entry** link = Chain(BucketOf(hash)); *link != nullptr; link = &(*link)->next)
        {
            if ((*link)->hash == hash && KeyRules::Equal(KeyOf(*link), key))
            {
                Entry* entry = *link;
                *link = entry->next;
                --count;
                return entry;
            }
        }
        return nullptr;
    }

    // In iteration order; the action may unchain the entry it is given.
    template <class Action> void ForEach(Action action) const
    {
        const uint32_t chainCount = Listed() ? 1 : bucketCount;
        for (uint32_t i = 0; i < chainCount; ++i)
        {
            Entry* entry = *Chain(i);
            while (entry != nullptr)
                action(std::exchange(entry, entry->next));
        }
    }

    void ReleaseEntries()
    {
        ForEach([&](const Entry* entry) { Destroy(const_cast<Entry*>(entry)); });
        if (Listed())
            chains.head = nullptr;
        else
            std::fill_n(chains.table, bucketCount, nullptr);
    }

    void Rebalance()
    {
        int64_t wanted = int64_t{count} * 100 / kLoadPercentage;
        int64_t load = int64_t{count} * 100 / bucketCount;
        if (load < kLoadPercentage / 2)
        {
            wanted = std::max(wanted, int64_t{kMinimumBuckets});
            if (wanted < bucketCount)
                Rebuild(static_cast<uint32_t>(wanted));
        }
        else if (load > kLoadPercentage * 2)
        {
            Rebuild(static_cast<uint32_t>(wanted));
        }
    }

    // Entries in iteration order go to the ends of their new buckets. A table is taken before
    // the first entry moves, so a failure leaves the map as it was; the minimum count takes
    // none and lists the new buckets one after the other.
    void Rebuild(uint32_t newCount)
    {
        const bool listed = newCount <= kMinimumBuckets;
        std::unique_ptr<Entry*[]> newTable;
        std::unique_ptr<Entry**[]> newEnds;
        if (!listed)
        {
            newTable = GuardAllocation([&] { return std::make_unique<Entry*[]>(newCount); });
            newEnds = GuardAllocation([&] { return std::make_unique<Entry**[]>(newCount); });
        }
        Entry* listedHeads[kMinimumBuckets] = {};
        Entry** listedEnds[kMinimumBuckets];
        Entry** heads = listed ? listedHeads : newTable.get();
        Entry*** ends = listed ? listedEnds : newEnds.get();
        for (uint32_t i = 0; i < newCount; ++i)
            ends[i] = &heads[i];
        ForEach(
            [&](const Entry* moved)
            {
                Entry* entry = const_cast<Entry*>(moved);
                entry->next = nullptr;
                *ends[entry->hash % newCount] = entry;
                ends[entry->hash % newCount] = &entry->next;
            });
        if (!Listed())
            delete[] chains.table;
        if (listed)
        {
            chains.head = nullptr;
            Entry** end = &chains.head;
            for (uint32_t i = 0; i < newCount; ++i)
                if (heads[i] != nullptr)
                {
                    *end = heads[i];
                    end = ends[i];
                }
        }
        else
        {
            chains.table = newTable.release();
        }
        bucketCount = newCount;
        if constexpr (kCanKey)
            if (!keyed && HasLongChain())
                UseKeyedHash();
    }

    // The minimum bucket count keeps no table: its buckets follow each other in one list.
    bool Listed() const { return bucketCount <= kMinimumBuckets; }
    // The minimum count is a constant, which spares a listed map the divisions.
    uint32_t BucketOf(uint32_t hash) const
    {
        return Listed() ? hash % kMinimumBuckets : hash % bucketCount;
    }
    Entry** Chain(uint32_t bucket) const { return Listed() ? &chains.head : &chains.table[bucket]; }

    mutable union
    {
        Entry* head;   // listed
        Entry** table; // owned, one chain a bucket
    } chains{nullptr};
    NodeArena* arena;
    uint32_t bucketCount = 0;
    int count = 0;
    bool ownsValues;
    bool keyed = false;
};

} // namespace toolbox
