#pragma once

#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace toolbox
{

// Keys that are pointers compared by identity: the map keeps the pointer itself.
struct PointerKeys
{
    using Argument = const void*;
    using Stored = const void*;
    static Stored Take(Argument key) { return key; }
    static Argument View(const Stored& key) { return key; }
    static bool Equal(Argument a, Argument b) { return a == b; }
    static uint32_t Hash(Argument key)
    {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key) / 8 * 1009);
    }
};

// A hash map of values it owns (or, when built not owning, merely points to). Each bucket
// chains its entries in insertion order; the bucket count follows the load: it grows when the
// entries outnumber the buckets and shrinks when they fill fewer than a quarter of them. An
// empty map holds no buckets at all: a large store has many sections, and most hold no
// sub-sections. A bucket is one pointer, so the many small maps of a large store stay small.
// Iteration runs over the buckets in index order, each in its own order.
template <class T, class KeyRules = PointerKeys> class HashMap
{
public:
    using Key = typename KeyRules::Argument;

    explicit HashMap(bool ownsValues = true) : ownsValues(ownsValues) {}
    HashMap(const HashMap&) = delete;
    HashMap& operator=(const HashMap&) = delete;
    ~HashMap() { ReleaseEntries(); }

    int Count() const { return count; }
    int BucketCount() const { return static_cast<int>(buckets.size()); }

    // nullptr when absent.
    T* Get(Key key) const
    {
        const Entry* entry = Find(key);
        return entry == nullptr ? nullptr : entry->value;
    }

    // Where the key comes in an iteration: smaller ranks come first. Only for a key present.
    uint64_t IterationRank(Key key) const
    {
        const uint32_t hash = KeyRules::Hash(key);
        uint64_t rank = uint64_t{hash % buckets.size()} << 32;
        for (const Entry* entry = buckets[hash % buckets.size()];
             !KeyRules::Equal(KeyRules::View(entry->key), key); entry = entry->next)
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

    // The value leaves the map without being destroyed; nullptr when absent.
    std::unique_ptr<T> Remove(Key key)
    {
        if (!ownsValues)
        {
            throw EIllegalArgument("A map that does not own its values cannot hand one over",
                                   "toolbox::HashMap::Remove", __LINE__);
        }
        std::unique_ptr<Entry> entry = Unlink(key);
        return std::unique_ptr<T>(entry ? std::exchange(entry->value, nullptr) : nullptr);
    }

    // Destroys the value, unless the map does not own it.
    void Delete(Key key)
    {
        if (std::unique_ptr<Entry> entry = Unlink(key))
            Release(entry->value);
    }

    void Clear()
    {
        ReleaseEntries();
        count = 0;
        std::vector<Entry*>().swap(buckets);
    }

    PointeredList<std::remove_pointer_t<Key>> Keys() const
    {
        PointeredList<std::remove_pointer_t<Key>> keys;
        for (const Entry* chain : buckets)
            for (const Entry* entry = chain; entry != nullptr; entry = entry->next)
                keys.Append(KeyRules::View(entry->key));
        return keys;
    }

    PointeredList<T> Values() const
    {
        PointeredList<T> values;
        for (const Entry* chain : buckets)
            for (const Entry* entry = chain; entry != nullptr; entry = entry->next)
                values.Append(entry->value);
        return values;
    }

private:
    static constexpr int kLoadPercentage = 50;
    static constexpr int kMinimumBuckets = 16;

    struct Unowned
    {
        void operator()(T*) const {}
    };

    // Entries live on the heap so that the key texts handed out stay where they are.
    struct Entry
    {
        typename KeyRules::Stored key;
        uint32_t hash;
        T* value; // owned when the map owns its values
        Entry* next;
    };

    void Release(T* value) const
    {
        if (ownsValues)
            delete value;
    }

    Entry* Find(Key key) const
    {
        if (buckets.empty())
            return nullptr;
        const uint32_t hash = KeyRules::Hash(key);
        for (Entry* entry = buckets[hash % buckets.size()]; entry != nullptr; entry = entry->next)
            if (entry->hash == hash && KeyRules::Equal(KeyRules::View(entry->key), key))
                return entry;
        return nullptr;
    }

    // The value stays with the caller until the map has taken it.
    template <class Holder> Key Store(Key key, Holder& value)
    {
        if (Entry* entry = Find(key))
        {
            Release(std::exchange(entry->value, value.release()));
            return KeyRules::View(entry->key);
        }
        if (buckets.empty())
            GuardAllocation([&] { buckets.resize(kMinimumBuckets); });
        const uint32_t hash = KeyRules::Hash(key);
        Entry* entry = GuardAllocation(
            [&] {
                return new Entry{KeyRules::Take(key), hash, nullptr, nullptr};
            });
        entry->value = value.release();
        Append(buckets[hash % buckets.size()], entry);
        ++count;
        Rebalance();
        return KeyRules::View(entry->key);
    }

    static void Append(Entry*& chain, Entry* entry)
    {
        Entry** end = &chain;
        while (*end != nullptr)
            end = &(*end)->next;
        *end = entry;
    }

    std::unique_ptr<Entry> Unlink(Key key)
    {
        if (buckets.empty())
            return nullptr;
        const uint32_t hash = KeyRules::Hash(key);
        for (Entry** link = &buckets[hash % buckets.size()]; *link != nullptr;
             link = &(*link)->next)
        {
            if ((*link)->hash == hash && KeyRules::Equal(KeyRules::View((*link)->key), key))
            {
                std::unique_ptr<Entry> entry(*link);
                *link = entry->next;
                --count;
                return entry;
            }
        }
        return nullptr;
    }

    // Entries go in iteration order.
    void ReleaseEntries()
    {
        for (Entry*& chain : buckets)
        {
            while (Entry* entry = chain)
            {
                chain = entry->next;
                Release(entry->value);
                delete entry;
            }
        }
    }

    void Rebalance()
    {
        int64_t bucketCount = BucketCount();
        int64_t wanted = int64_t{count} * 100 / kLoadPercentage;
        int64_t load = int64_t{count} * 100 / bucketCount;
        if (load < kLoadPercentage / 2)
        {
            wanted = std::max(wanted, int64_t{kMinimumBuckets});
            if (wanted < bucketCount)
                Rebuild(static_cast<size_t>(wanted));
        }
        else if (load > kLoadPercentage * 2)
        {
            Rebuild(static_cast<size_t>(wanted));
        }
    }

    // Old buckets in index order, each in its own order, go into the new table. The table is
    // taken before the first entry moves, so a failure leaves the map as it was.
    void Rebuild(size_t bucketCount)
    {
        std::vector<Entry*> table =
            GuardAllocation([&] { return std::vector<Entry*>(bucketCount); });
        std::vector<Entry**> ends =
            GuardAllocation([&] { return std::vector<Entry**>(bucketCount); });
        for (size_t i = 0; i < bucketCount; ++i)
            ends[i] = &table[i];
        for (Entry* chain : buckets)
        {
            while (Entry* entry = chain)
            {
                chain = entry->next;
                entry->next = nullptr;
                *ends[entry->hash % bucketCount] = entry;
                ends[entry->hash % bucketCount] = &entry->next;
            }
        }
        buckets = std::move(table);
    }

    int count = 0;
    std::vector<Entry*> buckets;
    bool ownsValues;
};

} // namespace toolbox
